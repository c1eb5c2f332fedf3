#include "editor/EditorModel.h"

#include "editor/Ansi.h"
#include "editor/EditorUndo.h"
#include "editor/ModelText.h"

#include <algorithm>
#include <cstdlib>

namespace tarnwick {
namespace {

// Lines that fit on screen when no view is attached (the design height of the
// editor in 13-pixel lines).
constexpr int kDefaultVisibleLines = 33;

}  // namespace

EditorModel::EditorModel() = default;
EditorModel::~EditorModel() = default;

// ---- Ranges of text -------------------------------------------------------------

std::string EditorModel::TextRange(int pos, int length) const {
    pos = std::clamp(pos, 0, Length());
    return text_.Slice(pos, std::clamp(length, 0, Length() - pos));
}

std::string_view EditorModel::TextView(int pos, int length) const {
    pos = std::clamp(pos, 0, Length());
    length = std::clamp(length, 0, Length() - pos);
    return {text_.RangePointer(pos, length), static_cast<std::size_t>(length)};
}

// ---- Selection ------------------------------------------------------------------

int EditorModel::Snap(int pos) const {
    pos = std::clamp(pos, 0, Length());
    if (pos > 0 && pos < Length() && text_.At(pos - 1) == '\r' && text_.At(pos) == '\n') --pos;
    return pos;
}

int EditorModel::SelStart() const { return std::min(anchor_, caret_); }
int EditorModel::SelLength() const { return std::abs(caret_ - anchor_); }

void EditorModel::SetSelectionRaw(int anchor, int caret) {
    // A selection that ends between CR and LF takes the whole break; a start
    // or a caret there moves onto the CR.
    auto insideBreak = [this](int p) { return p > 0 && p < Length() && text_.At(p - 1) == '\r' && text_.At(p) == '\n'; };
    auto snapEnd = [&](int p) {
        p = std::clamp(p, 0, Length());
        return insideBreak(p) ? p + 1 : p;
    };
    if (anchor <= caret) {
        anchor_ = Snap(anchor);
        caret_ = anchor == caret ? anchor_ : snapEnd(caret);
    } else {
        caret_ = Snap(caret);
        anchor_ = snapEnd(anchor);
    }
    // Text typed next takes the colour of the character before the caret in its line.
    int before = SelStart() - 1;
    typingColour_ = (before >= 0 && text_.At(before) != '\n' && text_.At(before) != '\r') ? StoredAt(before)
                                                                                          : kWindowTextColour;
}

void EditorModel::NotifySelection() {
    for (auto* o : Observers()) o->SelectionChanged();
}

void EditorModel::SetSelStart(int pos) {
    SetSelectionRaw(pos, pos);
    ScrollCaret();
    NotifySelection();
}

void EditorModel::SetSelLength(int length) {
    int start = SelStart();
    SetSelectionRaw(start, start + length);
    ScrollCaret();
    NotifySelection();
}

void EditorModel::SetSelection(int anchor, int caret) {
    SetSelectionRaw(anchor, caret);
    ScrollCaret();
    NotifySelection();
}

std::string EditorModel::SelText() const { return text_.Slice(SelStart(), SelLength()); }

void EditorModel::SetSelText(std::string_view text) {
    std::string normal = NormaliseBreaks(text);
    int start = SelStart();
    Replace(start, SelLength(), normal, SelLength() > 0 ? StoredAt(start) : typingColour_, false);
}

void EditorModel::SelectAll() { SetSelection(0, Length()); }

// ---- Typing ---------------------------------------------------------------------

void EditorModel::TypeText(std::string_view text) {
    Replace(SelStart(), SelLength(), NormaliseBreaks(text), typingColour_, true);
}

void EditorModel::DeleteBackward(int bytes) {
    if (SelLength() > 0) {
        Replace(SelStart(), SelLength(), {}, typingColour_, true);
        return;
    }
    int pos = SelStart();
    if (pos == 0) return;
    int from = (pos >= 2 && text_.At(pos - 1) == '\n' && text_.At(pos - 2) == '\r') ? pos - 2
                                                                                   : std::max(0, pos - bytes);
    Replace(from, pos - from, {}, typingColour_, true);
}

void EditorModel::DeleteForward(int bytes) {
    if (SelLength() > 0) {
        Replace(SelStart(), SelLength(), {}, typingColour_, true);
        return;
    }
    int pos = SelStart();
    if (pos >= Length()) return;
    int count = (text_.At(pos) == '\r' && pos + 1 < Length() && text_.At(pos + 1) == '\n')
                    ? 2
                    : std::clamp(bytes, 1, Length() - pos);
    Replace(pos, count, {}, typingColour_, true);
}

// ---- Replacing --------------------------------------------------------------------

void EditorModel::ApplyRaw(int pos, int removed, std::string_view text, std::string_view colours) {
    const int inserted = static_cast<int>(text.size());
    text_.Delete(pos, removed);
    text_.Insert(pos, text.data(), inserted);
    colours_.Delete(pos, removed);
    colours_.Insert(pos, colours.data(), inserted);
    UpdateLineStarts(pos, removed, text);
    // Observers may read the selection: keep it inside the text until the caller places it.
    anchor_ = std::min(anchor_, Length());
    caret_ = std::min(caret_, Length());
    for (auto* o : Observers()) o->TextChanged(pos, removed, inserted);
}

void EditorModel::Replace(int pos, int removed, std::string_view text, Colour colour, bool typing) {
    if (Clamped(pos, removed, text)) return;
    const char index = IndexOf(colour);  // first: a full colour table is compacted here
    ReplaceIndexed(pos, removed, text, std::string(text.size(), index), typing);
}

void EditorModel::ReplaceColoured(int pos, int removed, std::string_view text, const std::vector<Colour>& colours) {
    if (Clamped(pos, removed, text)) return;
    // A full table is compacted while the indices are looked up, which drops the
    // entries just added for this text (nothing refers to them yet): then the
    // lookup starts again, this time without compacting.
    std::string indices(text.size(), '\0');
    for (bool mayCompact : {true, false}) {
        bool compacted = false;
        for (std::size_t i = 0; i < text.size() && !compacted; ++i) {
            const Colour colour = i < colours.size() ? colours[i] : typingColour_;
            if (i > 0 && colour == (i - 1 < colours.size() ? colours[i - 1] : typingColour_)) {
                indices[i] = indices[i - 1];
                continue;
            }
            if (mayCompact) {
                const int entries = table_.Size();
                indices[i] = IndexOf(colour);
                compacted = table_.Size() < entries;
            } else if (auto found = table_.FindOrAdd(colour)) {
                indices[i] = static_cast<char>(*found);
            } else {
                indices[i] = static_cast<char>(table_.Nearest(colour));
            }
        }
        if (!compacted) break;
    }
    ReplaceIndexed(pos, removed, text, std::move(indices), false);
}

// Clamps the range into the text; true when there is nothing to replace (the caret then goes to pos).
// Throws, changing nothing, when the text would grow past kMaxLength.
bool EditorModel::Clamped(int& pos, int& removed, std::string_view text) {
    pos = std::clamp(pos, 0, Length());
    removed = std::clamp(removed, 0, Length() - pos);
    RefuseLength(static_cast<std::size_t>(Length() - removed) + text.size());
    if (removed != 0 || !text.empty()) return false;
    SetSelStart(pos);
    return true;
}

void EditorModel::ReplaceIndexed(int pos, int removed, std::string_view text, std::string indices, bool typing) {
    bool unchanged = static_cast<int>(text.size()) == removed && TextView(pos, removed) == text;
    for (int i = 0; unchanged && i < removed; ++i)
        unchanged = StoredAt(pos + i) == table_[static_cast<std::uint8_t>(indices[static_cast<std::size_t>(i)])];
    int caret = pos + static_cast<int>(text.size());
    if (unchanged) {  // writing the same text and colours again is no edit and no undo step
        SetSelectionRaw(caret, caret);
        ScrollCaret();
        NotifySelection();
        return;
    }
    std::string removedText = text_.Slice(pos, removed);
    std::string removedColours = colours_.Slice(pos, removed);
    const int anchorBefore = anchor_, caretBefore = caret_;
    ApplyRaw(pos, removed, text, indices);
    // The history wants the selection the edit started from, not the one
    // ApplyRaw kept inside a shorter text for the observers: a Backspace at the
    // end of the text goes on the typing run as one before other text does.
    anchor_ = anchorBefore;
    caret_ = caretBefore;
    RecordReplace(pos, std::move(removedText), std::move(removedColours), static_cast<int>(text.size()), typing);
    SetSelectionRaw(caret, caret);
    ScrollCaret();
    NotifySelection();
}

// ---- Update bracket ---------------------------------------------------------------

void EditorModel::BeginUpdate() { ++updateDepth_; }

void EditorModel::EndUpdate() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ == 0)
        for (auto* o : Observers()) o->ViewChanged();
}

// ---- Search -----------------------------------------------------------------------

int EditorModel::FindText(std::string_view what, int start, int length, FindOptions options) const {
    if (what.empty()) return -1;
    start = std::clamp(start, 0, Length());
    int end = length < 0 || length > Length() - start ? Length() : start + length;  // no overflow past the end
    int n = static_cast<int>(what.size());
    std::string needle = options.Folded(what);
    unsigned char first = static_cast<unsigned char>(needle[0]);
    unsigned char firstUpper = options.Upper(first);
    // The searched range in one piece: range[i - start] is the character at position i.
    const char* range = TextView(start, end - start).data();
    for (int i = start; i <= end - n; ++i) {
        unsigned char c = static_cast<unsigned char>(range[i - start]);
        if (c != first && c != firstUpper) continue;
        bool match = true;
        for (int k = 1; k < n && match; ++k) {
            unsigned char t = static_cast<unsigned char>(range[i - start + k]);
            unsigned char w = static_cast<unsigned char>(needle[k]);
            match = options.Lower(t) == w;
        }
        if (!match) continue;
        if (options.wholeWord) {
            bool before = i == 0 || !FindOptions::IsWordByte(static_cast<unsigned char>(text_.At(i - 1)));
            bool after =
                i + n >= Length() || !FindOptions::IsWordByte(static_cast<unsigned char>(text_.At(i + n)));
            if (!before || !after) continue;
        }
        return i;
    }
    return -1;
}

// ---- Font ------------------------------------------------------------------------

void EditorModel::SetFontName(std::string name) {
    if (name.empty()) return;  // an empty face leaves the font unchanged
    fontName_ = std::move(name);
    for (auto* o : Observers()) o->FontChanged();
}

void EditorModel::SetFontSize(int points) {
    // A stored or typed size past the limit is not taken.
    if (points <= 0 || points > kMaxFontSize) return;
    fontSize_ = points;
    for (auto* o : Observers()) o->FontChanged();
}

// ---- View state ------------------------------------------------------------------

void EditorModel::SetFirstVisibleLine(int line) {
    line = std::clamp(line, 0, BreakCount());
    if (line == firstVisibleLine_) return;
    firstVisibleLine_ = line;
    for (auto* o : Observers()) o->ViewChanged();
}

void EditorModel::LineScroll(int lines) { SetFirstVisibleLine(firstVisibleLine_ + lines); }

void EditorModel::ScrollCaret() {
    int visible = geometry_ ? std::max(1, geometry_->VisibleLineCount()) : kDefaultVisibleLines;
    int line = LineFromChar(caret_);
    if (line < firstVisibleLine_)
        SetFirstVisibleLine(line);
    else if (line >= firstVisibleLine_ + visible)
        SetFirstVisibleLine(line - visible + 1);
}

Point EditorModel::CaretPixelPosition() const { return geometry_ ? geometry_->CaretPixelPosition() : Point{}; }

// ---- Observers -------------------------------------------------------------------

void EditorModel::AddObserver(EditorObserver* observer) { observers_.push_back(observer); }

void EditorModel::RemoveObserver(EditorObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

bool EditorModel::Check() const {
    const int length = Length();
    if (colours_.Length() != length) return false;
    for (int i = 0; i < length; ++i)
        if (static_cast<std::uint8_t>(colours_.At(i)) >= table_.Size()) return false;
    std::vector<int> starts{0};
    for (int i = 0; i < length; ++i) {
        const char c = text_.At(i);
        bool crlf = i + 1 < length && c == '\r' && text_.At(i + 1) == '\n';
        if (c == '\r' && !crlf) return false;
        if (c == '\n' && (i == 0 || text_.At(i - 1) != '\r')) return false;
        if (c == '\n') starts.push_back(i + 1);
    }
    if (starts != lines_.ToVector()) return false;
    return anchor_ >= 0 && anchor_ <= length && caret_ >= 0 && caret_ <= length;
}

}  // namespace tarnwick
