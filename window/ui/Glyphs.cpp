#include "window/ui/Glyphs.h"

#include <QPainter>
#include <QPalette>
#include <QPainterPath>

namespace tarnwick {

namespace {

const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 190, 80);

// The colours of lines that stand on the bar's own background: dark ones on a
// light palette, light ones on a dark palette, so no part of a glyph vanishes.
struct Inks {
    QColor ink, blue, green, red;
};

Inks InksFor(const QPalette& palette) {
    if (palette.color(QPalette::Window).lightness() < 128)
        return {QColor(225, 225, 225), QColor(110, 165, 255), QColor(90, 205, 110), QColor(255, 110, 100)};
    return {QColor(40, 40, 40), QColor(30, 80, 170), QColor(40, 150, 60), QColor(190, 40, 40)};
}

void Page(QPainter& p, const Inks& c, QRectF r) {
    const qreal fold = 3.5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(c.ink, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void TextLines(QPainter& p, qreal x, qreal y, const qreal widths[], int count, QColor colour) {
    p.setPen(QPen(colour, 1));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(x, y + 2.5 * i), QPointF(x + widths[i], y + 2.5 * i));
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const qreal dir = to.x() > from.x() ? -1 : 1;
    p.drawLine(to, to + QPointF(dir * 2.5, -2.5));
    p.drawLine(to, to + QPointF(dir * 2.5, 2.5));
}

void DrawNew(QPainter& p, const Inks& c) {
    Page(p, c, QRectF(3.5, 1.5, 9, 13));
    p.setPen(QPen(QColor(230, 170, 0), 1.4));
    p.drawLine(QPointF(12, 9), QPointF(15, 12));
    p.drawLine(QPointF(15, 9), QPointF(12, 12));
    p.drawLine(QPointF(13.5, 8.5), QPointF(13.5, 12.5));
}

void DrawOpen(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.drawRect(QRectF(1.5, 3.5, 5, 1));
    QPolygonF front({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)});
    p.setBrush(kFolder);
    p.drawPolygon(front);
}

void DrawSave(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(c.blue);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.fillRect(QRectF(9, 2.5, 1.5, 3), c.ink);
}

void DrawPrint(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.fillRect(QRectF(12, 8, 1.5, 1.5), c.green);
}

void DrawCut(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(5, 1.5), QPointF(10, 10));
    p.drawLine(QPointF(11, 1.5), QPointF(6, 10));
    p.setPen(QPen(c.red, 1.4));
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void DrawCopy(QPainter& p, const Inks& c) {
    Page(p, c, QRectF(1.5, 1.5, 8, 10));
    Page(p, c, QRectF(6.5, 4.5, 8, 10));
    const qreal widths[] = {4, 5, 3};
    TextLines(p, 8.5, 8.5, widths, 3, c.blue);
}

void DrawPaste(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(QColor(170, 120, 60));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    Page(p, c, QRectF(6.5, 6.5, 8, 8.5));
    const qreal widths[] = {4, 5};
    TextLines(p, 8.5, 10.5, widths, 2, c.blue);
}

void DrawFind(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1.4));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(c.ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
}

void DrawUndo(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.blue, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(4, 6);
    path.lineTo(10, 6);
    path.cubicTo(15, 6, 15, 13, 10, 13);
    path.lineTo(6, 13);
    p.drawPath(path);
    p.setBrush(c.blue);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(5.5, 2), QPointF(5.5, 10)}));
}

void DrawReplace(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.ink, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 7, 5));
    p.setBrush(QColor(255, 230, 140));
    p.drawRect(QRectF(7.5, 9.5, 7, 5));
    Arrow(p, QPointF(5, 9), QPointF(5, 12), c.green);
    p.drawLine(QPointF(5, 12), QPointF(7, 12));
}

void DrawCommentMark(QPainter& p, const Inks& c, bool crossed) {
    const qreal widths[] = {6, 8, 5, 7};
    TextLines(p, 7.5, 3.5, widths, 4, c.ink);
    p.setPen(QPen(c.green, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 2.5), QPointF(2.5, 6.5));  // the apostrophe of a comment
    if (crossed) {
        p.setPen(QPen(c.red, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(1, 10), QPointF(6, 15));
        p.drawLine(QPointF(6, 10), QPointF(1, 15));
    } else {
        p.setPen(QPen(c.green, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 10.5), QPointF(2.5, 14.5));
    }
}

void DrawIndent(QPainter& p, const Inks& c, bool outward) {
    // Two full lines round two shorter ones that stand further right.
    p.setPen(QPen(c.ink, 1));
    for (int i = 0; i < 4; ++i) {
        const bool inner = i == 1 || i == 2;
        const qreal x = inner ? 8 : 2;
        p.drawLine(QPointF(x, 2.5 + 3.5 * i), QPointF(x + (inner ? 7 : 13), 2.5 + 3.5 * i));
    }
    if (outward) Arrow(p, QPointF(6, 7.75), QPointF(1, 7.75), c.blue);
    else Arrow(p, QPointF(1, 7.75), QPointF(6, 7.75), c.blue);
}

void DrawRun(QPainter& p, const Inks& c) {
    p.setPen(QPen(c.green.darker(140), 1));
    p.setBrush(c.green);
    p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
}

void DrawFunction(QPainter& p, const Inks&) {
    // A purple box: a method.
    p.setPen(QPen(QColor(90, 30, 120), 1));
    p.setBrush(QColor(160, 90, 200));
    QPolygonF cube({QPointF(8, 2), QPointF(14, 5), QPointF(14, 11), QPointF(8, 14), QPointF(2, 11), QPointF(2, 5)});
    p.drawPolygon(cube);
    p.drawLine(QPointF(2, 5), QPointF(8, 8));
    p.drawLine(QPointF(14, 5), QPointF(8, 8));
    p.drawLine(QPointF(8, 8), QPointF(8, 14));
}

void DrawProperty(QPainter& p, const Inks& c) {
    // A card with a pointing hand's line: a property.
    p.setPen(QPen(c.ink, 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    const qreal widths[] = {7, 5};
    TextLines(p, 6.5, 6.5, widths, 2, c.ink);
    p.setBrush(c.blue);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(3, 5.5, 2, 5));
}

template <typename Painter>
QPixmap Draw(Painter painter, const Inks& inks) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    painter(p, inks);
    return pixmap;
}

}  // namespace

QPixmap Glyph(int index, const QPalette& palette) {
    const Inks c = InksFor(palette);
    switch (index) {
    case glyph::New: return Draw(DrawNew, c);
    case glyph::Open: return Draw(DrawOpen, c);
    case glyph::Save: return Draw(DrawSave, c);
    case glyph::Print: return Draw(DrawPrint, c);
    case glyph::Cut: return Draw(DrawCut, c);
    case glyph::Copy: return Draw(DrawCopy, c);
    case glyph::Paste: return Draw(DrawPaste, c);
    case glyph::Find: return Draw(DrawFind, c);
    case glyph::Undo: return Draw(DrawUndo, c);
    case glyph::Replace: return Draw(DrawReplace, c);
    case glyph::Comment: return Draw([](QPainter& p, const Inks& i) { DrawCommentMark(p, i, false); }, c);
    case glyph::Uncomment: return Draw([](QPainter& p, const Inks& i) { DrawCommentMark(p, i, true); }, c);
    case glyph::Indent: return Draw([](QPainter& p, const Inks& i) { DrawIndent(p, i, false); }, c);
    case glyph::Outdent: return Draw([](QPainter& p, const Inks& i) { DrawIndent(p, i, true); }, c);
    case glyph::Run: return Draw(DrawRun, c);
    default: return {};
    }
}

// The list's rows are light whatever the palette: these keep the light palette's inks.
QPixmap CompletionGlyph(int index) {
    const Inks c = InksFor(QPalette(Qt::white));
    switch (index) {
    case 0: return Draw(DrawFunction, c);
    case 1: return Draw(DrawProperty, c);
    default: return {};
    }
}

}  // namespace tarnwick
