#include "editor/ui/LinePainter.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace tarnwick {

QColor ToQColor(Colour c) {
    const Colour shown = DisplayedColour(c);
    return QColor(static_cast<int>(RedOf(shown)), static_cast<int>(GreenOf(shown)), static_cast<int>(BlueOf(shown)));
}

void LinePainter::PaintLine(QPainter& painter, int line, qreal left, qreal top, qreal clipWidth,
                            qreal clipLeft, int fromColumn, qreal fromX) const {
    const int start = model.LineIndex(line);
    if (start < 0) return;
    const int length = model.LineLength(start);
    const qreal margin = 2 * layout.Advance('W');
    if (fromColumn > 0 && fromColumn <= length && left + fromX < clipLeft - margin)
        Paint(painter, line, left, top, clipWidth, clipLeft, fromColumn, fromX, length);
    else
        Paint(painter, line, left, top, clipWidth, clipLeft, 0, 0, length);
}

void LinePainter::PaintColumns(QPainter& painter, int line, qreal left, qreal top, int fromColumn, qreal fromX,
                               int toColumn) const {
    const qreal everywhere = std::numeric_limits<qreal>::max() / 4;
    Paint(painter, line, left, top, everywhere, -everywhere, fromColumn, fromX, toColumn);
}

void LinePainter::Paint(QPainter& painter, int line, qreal left, qreal top, qreal clipWidth, qreal clipLeft, int col,
                        qreal x, int end) const {
    const int start = model.LineIndex(line);
    if (start < 0) return;
    const int length = std::min(end, model.LineLength(start));
    const std::string_view text = model.TextView(start, length);  // indexed by column
    const int lineHeight = layout.LineHeight();
    auto selected = [this](int pos) { return pos >= selStart && pos < selEnd; };
    // A glyph may reach a little beyond its cell; characters this far outside the clip are not drawn.
    const qreal margin = 2 * layout.Advance('W');

    // Runs of one colour and one selection state, cut at tabs and control
    // characters, and at the clip's edges: only what can show is drawn, and
    // the walk ends past the clip, so a long line costs what is on screen.
    while (col < length && left + x <= clipWidth + margin) {
        const int pos = start + col;
        const bool runSelected = selected(pos);
        const unsigned char first = static_cast<unsigned char>(text[col]);
        const bool visible = left + x >= clipLeft - margin;
        const qreal runX = x;
        int runEnd = col;
        if (first < 32) {
            x = layout.NextX(x, first);
            runEnd = col + 1;
        } else {
            const Colour colour = model.StoredColourAt(pos);
            // A character of several bytes is drawn whole, in the colour of its first.
            while (runEnd < length) {
                const int p = start + runEnd;
                const unsigned char c = static_cast<unsigned char>(text[runEnd]);
                if (c < 32 || model.StoredColourAt(p) != colour || selected(p) != runSelected) break;
                // Cut where the run comes into view and where it leaves it.
                if (runEnd > col && ((left + x >= clipLeft - margin) != visible || left + x > clipWidth + margin))
                    break;
                x = layout.NextX(x, text, runEnd);
                runEnd += layout.CharLength(text, runEnd);
            }
        }
        if (visible && left + runX <= clipWidth + margin) {
            if (runSelected) painter.fillRect(QRectF(left + runX, top, x - runX, lineHeight), highlight);
            if (first >= 32) {
                painter.setPen(runSelected ? highlightedText : ToQColor(model.StoredColourAt(pos)));
                if (!layout.Proportional()) {
                    painter.drawText(QPointF(left + runX, top + layout.Ascent()),
                                     layout.Shown(text.substr(col, runEnd - col)));
                } else {
                    // Drawn as a run, kerning and rounding would move characters off the places the caret and
                    // the clicks use, and leave gaps where the colour changes.
                    qreal at = runX;
                    for (int i = col; i < runEnd; i += layout.CharLength(text, i)) {
                        painter.drawText(QPointF(left + at, top + layout.Ascent()),
                                         layout.Shown(text.substr(i, layout.CharLength(text, i))));
                        at = layout.NextX(at, text, i);
                    }
                }
            }
        }
        col = runEnd;
    }
    // A selected line break shows as a blank cell after the line.
    const int breakPos = start + length;
    if (col == length && length == model.LineLength(start) && breakPos < model.Length() && selected(breakPos))
        painter.fillRect(QRectF(left + x, top, layout.Advance(' '), lineHeight), highlight);
}

}  // namespace tarnwick
