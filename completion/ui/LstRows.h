#pragma once

#include "completion/CompletionList.h"

#include "editor/TextEncoding.h"

#include <QIcon>
#include <QListWidgetItem>

#include <array>
#include <memory>
#include <vector>

class QListWidget;

namespace tarnwick {

class LstRows;

// One row of `Lst` that keeps nothing of its own: it shows the row at its
// place in the list's rows, read when the view or a caller asks, so that a
// list of thousands is filled without converting or storing a text and an
// icon each, and an item serves whichever rows come next.
class LstRow : public QListWidgetItem {
public:
    LstRow(const LstRows& rows, int place) : rows_(rows), place_(place) {}
    QVariant data(int role) const override;

private:
    friend class LstRows;
    const LstRows& rows_;
    int place_;
};

// The rows `Lst` holds, and its items. Making, announcing and deleting
// thousands of items is what a new list costs, so a new list keeps the items
// there are (each shows the row at its place), and items taken away by a
// shorter list wait, unseen, for a longer one.
class LstRows {
public:
    using Icons = std::array<QIcon, 6>;  // by RowIcon
    explicit LstRows(QListWidget* list) : list_(list) {}
    LstRows(const LstRows&) = delete;
    LstRows& operator=(const LstRows&) = delete;

    // Makes the list hold exactly these rows, unless it holds them already (the
    // very rows shown last are known without comparing them); the view hears
    // of a change once, as a reset.
    void Show(CompletionList::SharedRows rows, const Icons& icons, TextEncoding encoding);

    const CompletionRow& Row(int place) const { return (*rows_)[static_cast<std::size_t>(place)]; }
    const QIcon& Icon(RowIcon kind) const { return icons_[static_cast<std::size_t>(kind)]; }
    TextEncoding Encoding() const { return encoding_; }

private:
    QListWidget* list_;
    CompletionList::SharedRows rows_;  // null: the list still holds the design's own items
    Icons icons_;
    TextEncoding encoding_{};
    std::vector<std::unique_ptr<LstRow>> spare_;  // items out of the list, for the next longer one
};

}  // namespace tarnwick
