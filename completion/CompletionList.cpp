#include "completion/CompletionList.h"

#include "completion/TextSearch.h"
#include "unit/MainUnit.h"

#include <algorithm>

namespace tarnwick {

namespace {

constexpr int kOffsetLeft = -20;  // the list and the tip stand a little left of the caret
constexpr int kOffsetDown = 18;   // and one row below it

}  // namespace

bool IsMemberNameChar(char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

int CompletionListHeight(int rows) {
    return rows > CompletionList::kTallRows ? CompletionList::kTallHeight : 20 * rows - 10;
}

CompletionList::CompletionList(MainUnit& unit)
    : unit_(unit), rows_(std::make_shared<const std::vector<CompletionRow>>()) {}

void CompletionList::PlaceLB(std::string_view typeName) {
    std::vector<CompletionRow> rows;
    for (const TColorCoding& entry : unit_.SyntaxTable)
        if (EqualsIgnoringCase(entry.TypeA, typeName))
            rows.push_back({entry.Name, entry.TypeB == "Function" ? RowIcon::Function : RowIcon::Property});
    // A row goes to its sorted place; rows equal but for case keep table order.
    std::stable_sort(rows.begin(), rows.end(), [](const CompletionRow& a, const CompletionRow& b) {
        return LessIgnoringCase(a.Name, b.Name);
    });
    PlaceRows(std::move(rows), Completes::Member);
}

void CompletionList::PlaceRows(std::vector<CompletionRow> rows, Completes completes) {
    PlaceRows(std::make_shared<const std::vector<CompletionRow>>(std::move(rows)), completes);
}

void CompletionList::PlaceRows(SharedRows rows, Completes completes) {
    rows_ = rows ? std::move(rows) : std::make_shared<const std::vector<CompletionRow>>();
    itemIndex_ = -1;
    completes_ = completes;
    Open();
}

void CompletionList::Open() {
    if (rows_->empty()) {
        // An empty box would have a negative height; a type without members shows nothing.
        open_ = false;
    } else {
        Point caret = unit_.MainText.CaretPixelPosition();
        if (MapToWindow) caret = MapToWindow(caret);
        height_ = CompletionListHeight(static_cast<int>(rows_->size()));
        width_ = std::max(kWidth, MeasureWidth ? MeasureWidth(rows_) : 0);
        position_ = {caret.x + kOffsetLeft, caret.y + kOffsetDown};
        if (ClientSize) position_ = KeptInside(position_, caret.y, ClientSize());
        open_ = true;
    }
    Changed();
}

Point CompletionList::KeptInside(Point place, int caretTop, Point client) const {
    // No room below the caret line: above it, if it fits there better.
    if (place.y + height_ > client.y) {
        const int above = caretTop - height_;
        place.y = above >= 0 ? above : std::max(0, std::min(place.y, client.y - height_));
    }
    if (place.x + width_ > client.x) place.x = client.x - width_;
    place.x = std::max(0, place.x);
    return place;
}

void CompletionList::Next() {
    const int count = static_cast<int>(rows_->size());
    if (count == 0) return;
    itemIndex_ = itemIndex_ == count - 1 ? 0 : itemIndex_ + 1;
    Changed();
}

void CompletionList::Previous() {
    const int count = static_cast<int>(rows_->size());
    if (count == 0) return;
    itemIndex_ = itemIndex_ > 0 ? itemIndex_ - 1 : count - 1;
    Changed();
}

void CompletionList::FollowPrefix() {
    const int start = PrefixStart();
    if (start < 0) return;
    const int caret = unit_.MainText.SelStart();
    const std::string_view prefix = unit_.MainText.TextView(start, caret - start);
    for (size_t i = 0; i < rows_->size(); ++i) {
        if (MatchesAt((*rows_)[i].Name, 0, prefix)) {
            if (itemIndex_ != static_cast<int>(i)) {
                itemIndex_ = static_cast<int>(i);
                Changed();
            }
            return;
        }
    }
}

void CompletionList::LstKeyDown(int key) {
    switch (key) {
    case 13:
    case 32:
    case 57:
    case 222:
        Accept();
        break;
    case 8: {
        // RevFind of "." answers the caret offset exactly when the dot stands right before it.
        const int caret = unit_.MainText.SelStart();
        if (completes_ == Completes::Name ? PrefixStart() == caret : caret >= 1 && unit_.MainText.CharAt(caret - 1) == '.')
            Close();
        break;
    }
    default:
        break;
    }
}

void CompletionList::LstDblClick() { LstKeyDown(57); }

void CompletionList::Accept() {
    EditorModel& editor = unit_.MainText;
    unit_.Busy = true;
    const int start = PrefixStart();
    if (itemIndex_ >= 0 && itemIndex_ < static_cast<int>(rows_->size()) && start >= 0) {
        const std::string name = (*rows_)[itemIndex_].Name;
        // Only the name after the dot gives way: the typed prefix and the name
        // characters right after it, never a comma, a bracket or what follows.
        int end = start;
        while (end < editor.Length() && IsMemberNameChar(editor.CharAt(end))) ++end;
        editor.SetSelStart(start);
        editor.SetSelLength(end - start);
        editor.SetSelText(name);
    }
    Close();
    if (FocusEditor) FocusEditor();
    unit_.Busy = false;
}

void CompletionList::Close() {
    if (!open_) return;
    open_ = false;
    Changed();
}

void CompletionList::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(rows_->size()) || index == itemIndex_) return;
    itemIndex_ = index;
    Changed();
}

int CompletionList::PrefixStart() const {
    const EditorModel& editor = unit_.MainText;
    const int caret = editor.SelStart();
    // Only a dot on the caret's own line starts a member prefix. When the
    // caret has been moved in front of the list's dot, the last dot before it
    // may stand lines away; writing a name there would change text out of sight.
    const int lineStart = editor.LineIndex(editor.LineFromChar(caret));
    if (completes_ == Completes::Name) {
        int start = caret;
        while (start > lineStart && IsMemberNameChar(editor.CharAt(start - 1))) --start;
        return start;
    }
    const size_t dot = editor.TextView(lineStart, caret - lineStart).rfind('.');
    return dot == std::string_view::npos ? -1 : lineStart + static_cast<int>(dot) + 1;
}

void CompletionList::Changed() {
    if (OnChanged) OnChanged();
}

}  // namespace tarnwick
