#pragma once

#include "completion/CompletionList.h"

#include <QFont>
#include <QIcon>
#include <QStyledItemDelegate>

#include <array>

namespace tarnwick {

// Draws one row of the completion list `Lst` as the owner-drawn list does:
// the row's background (the highlight for the selected row), its icon at
// (left + 2, top + 2) and its text at (left + 24, top) in "Tahoma" 8 pt.
// The row's icon and text are the item's decoration and display data.
class LstDrawItem : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit LstDrawItem(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The list's font: "Tahoma" 8 pt.
    static QFont ListFont();
    // The icon of a script name's kind: a variable, a procedure, a class or a
    // keyword (methods and properties have the window's two member icons).
    static QIcon KindIcon(RowIcon kind);
    // The width of the widest row name in the list's font, as measuring each
    // whole name gives it; thousands of names cost a few measurements.
    static int WidestName(const QFont& font, const CompletionList::SharedRows& rows);
};

}  // namespace tarnwick
