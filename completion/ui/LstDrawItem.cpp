#include "completion/ui/LstDrawItem.h"

#include "completion/CompletionList.h"
#include "unit/ui/QtPorts.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

namespace tarnwick {

namespace {

constexpr int kIconSize = 16;

const QColor kOutline(40, 40, 40);

// A small blue-green tag: a value held in a name.
void DrawVariable(QPainter& p) {
    p.setPen(QPen(QColor(20, 90, 110), 1));
    p.setBrush(QColor(70, 170, 190));
    p.drawRoundedRect(QRectF(2.5, 5.5, 11, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(5, 8.5), 1, 1);
}

// A green box with a small arrow: something that runs.
void DrawProcedure(QPainter& p) {
    p.setPen(QPen(QColor(30, 100, 40), 1));
    p.setBrush(QColor(90, 180, 90));
    p.drawRect(QRectF(2.5, 3.5, 10, 9));
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(5, 8), QPointF(10, 8));
    p.drawLine(QPointF(8, 6), QPointF(10, 8));
    p.drawLine(QPointF(8, 10), QPointF(10, 8));
}

// Three linked orange blocks: a class and its members.
void DrawClass(QPainter& p) {
    p.setPen(QPen(QColor(140, 80, 10), 1));
    p.setBrush(QColor(240, 160, 50));
    p.drawRect(QRectF(5.5, 1.5, 5, 4));
    p.drawRect(QRectF(1.5, 10.5, 5, 4));
    p.drawRect(QRectF(9.5, 10.5, 5, 4));
    p.drawLine(QPointF(8, 5.5), QPointF(8, 8));
    p.drawLine(QPointF(4, 8), QPointF(12, 8));
    p.drawLine(QPointF(4, 8), QPointF(4, 10.5));
    p.drawLine(QPointF(12, 8), QPointF(12, 10.5));
}

// A grey square with lines of text: a word of the language.
void DrawKeyword(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(225, 225, 225));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.drawLine(QPointF(4, 6), QPointF(12, 6));
    p.drawLine(QPointF(4, 8.5), QPointF(10, 8.5));
    p.drawLine(QPointF(4, 11), QPointF(11, 11));
}

QIcon Drawn(void (*draw)(QPainter&)) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon LstDrawItem::KindIcon(RowIcon kind) {
    static const QIcon variable = Drawn(DrawVariable), procedure = Drawn(DrawProcedure), cls = Drawn(DrawClass),
                       keyword = Drawn(DrawKeyword);
    switch (kind) {
    case RowIcon::Variable: return variable;
    case RowIcon::Procedure: return procedure;
    case RowIcon::Class: return cls;
    case RowIcon::Keyword: return keyword;
    default: return {};
    }
}

namespace {

int MeasureWidest(const QFont& font, const std::vector<CompletionRow>& rows) {
    // A name's characters' advances added up tell its width all but the
    // shaping (kerning, rounding) of the whole name, which moves it by no more
    // than the slack below: only the names that may be the widest by that
    // sum are measured whole.
    const QFontMetrics metrics(font);
    const QFontMetricsF exact(font);
    std::array<qreal, 256> advance;
    advance.fill(-1);
    std::vector<std::pair<qreal, std::size_t>> sums;
    sums.reserve(rows.size());
    std::size_t longest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        qreal sum = 0;
        for (const char c : rows[i].Name) {
            qreal& a = advance[static_cast<unsigned char>(c)];
            if (a < 0) a = exact.horizontalAdvance(FromAnsi(std::string(1, c)));
            sum += a;
        }
        sums.emplace_back(sum, i);
        longest = std::max(longest, rows[i].Name.size());
    }
    if (sums.empty()) return 0;
    const qreal slack = 3 + static_cast<qreal>(longest) / 4;
    // Names of one length often differ by less than the slack, so the whole
    // names measured are kept for the next list in the same font.
    static QFont measuredIn;
    static std::unordered_map<std::string, int> measured;
    if (!(measuredIn == font) || measured.size() > 100'000) {
        measured.clear();
        measuredIn = font;
    }
    auto width = [&](const std::string& name) {
        const auto [known, added] = measured.try_emplace(name, 0);
        if (added) known->second = metrics.horizontalAdvance(FromAnsi(name));
        return known->second;
    };
    // The name widest by its sum first; then only those within the slack of the widest found.
    const auto top = std::max_element(sums.begin(), sums.end());
    int widest = width(rows[top->second].Name);
    for (const auto& [sum, i] : sums)
        if (sum + slack >= widest && i != top->second) widest = std::max(widest, width(rows[i].Name));
    return widest;
}

}  // namespace

int LstDrawItem::WidestName(const QFont& font, const CompletionList::SharedRows& rows) {
    // The same rows come back often (Ctrl+Space again, or after another list): the last two lists'
    // widths are kept, the latest first, as comparing the rows costs a fraction of adding up their names,
    // and the very same shared rows need no comparing at all.
    struct Measured {
        QFont font;
        CompletionList::SharedRows rows;
        int widest = 0;
    };
    static std::array<Measured, 2> recent;
    for (std::size_t i = 0; i < recent.size(); ++i) {
        if (recent[i].font == font && recent[i].rows && (recent[i].rows == rows || *recent[i].rows == *rows)) {
            std::swap(recent[0], recent[i]);
            return recent[0].widest;
        }
    }
    recent[1] = {font, rows, MeasureWidest(font, *rows)};
    std::swap(recent[0], recent[1]);
    return recent[0].widest;
}

LstDrawItem::LstDrawItem(QObject* parent) : QStyledItemDelegate(parent) {}

QFont LstDrawItem::ListFont() {
    // Made once: a row painted looks the font up no more.
    static const QFont font = [] {
        QFont f(QStringLiteral("Tahoma"));
        f.setPointSize(8);
        return f;
    }();
    return font;
}

void LstDrawItem::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(r, selected ? palette.highlight() : palette.base());

    const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    if (!icon.isNull())
        icon.paint(painter, QRect(r.left() + CompletionList::kIconInset, r.top() + CompletionList::kIconInset,
                                  kIconSize, kIconSize));

    painter->setFont(ListFont());
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    const QRect textRect(r.left() + CompletionList::kTextLeft, r.top(), r.width() - CompletionList::kTextLeft,
                         r.height());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());

    if (option.state & QStyle::State_HasFocus) {
        // The platform's focus rectangle goes over the focused row last.
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = selected ? palette.highlight().color() : palette.base().color();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize LstDrawItem::sizeHint(const QStyleOptionViewItem& /*option*/, const QModelIndex& /*index*/) const {
    return {CompletionList::kWidth, CompletionList::kRowHeight};
}

}  // namespace tarnwick
