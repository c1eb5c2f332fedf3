#include "completion/ui/LstDrawItem.h"

#include "completion/CompletionList.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

namespace tarnwick {

namespace {

constexpr int kIconSize = 16;

}  // namespace

LstDrawItem::LstDrawItem(QObject* parent) : QStyledItemDelegate(parent) {}

QFont LstDrawItem::ListFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
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
