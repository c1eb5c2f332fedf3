#include "completion/ui/LstRows.h"

#include "unit/ui/QtPorts.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace tarnwick {

QVariant LstRow::data(int role) const {
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const std::string& name = rows_.Row(place_).Name;
        // Nearly every name is ASCII, which needs no code page; the others are the document's own bytes.
        if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        return FromDocument(name, rows_.Encoding());
    }
    if (role == Qt::DecorationRole) return rows_.Icon(rows_.Row(place_).Icon);
    return QListWidgetItem::data(role);
}

void LstRows::Show(CompletionList::SharedRows rows, const Icons& icons, TextEncoding encoding) {
    if (rows_ && (rows == rows_ || *rows == *rows_)) return;
    const QSignalBlocker block(list_);
    if (!rows_) list_->clear();
    rows_ = std::move(rows);
    icons_ = icons;
    encoding_ = encoding;
    const int wanted = static_cast<int>(rows_->size());
    {
        // Thousands of rows announced one by one would each set the view to work: it hears of them once, below.
        const QSignalBlocker quiet(list_->model());
        // The last items go first: nothing behind them moves up.
        for (int place = list_->count() - 1; place >= wanted; --place)
            spare_.emplace_back(static_cast<LstRow*>(list_->takeItem(place)));
        for (int place = list_->count(); place < wanted; ++place) {
            LstRow* item;
            if (spare_.empty()) {
                item = new LstRow(*this, place);
            } else {
                item = spare_.back().release();
                spare_.pop_back();
                item->place_ = place;
            }
            list_->addItem(item);
        }
    }
    list_->reset();
}

}  // namespace tarnwick
