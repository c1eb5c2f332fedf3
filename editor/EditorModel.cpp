#include "editor/EditorModel.h"

#include "editor/Ansi.h"
#include "editor/EditorUndo.h"
#include "unit/Error.h"
#include "editor/RtfReader.h"
#include "editor/RtfWriter.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tarnwick {
namespace {

// Lines that fit on screen when no view is attached (the design height of the
// editor in 13-pixel lines).
constexpr int kDefaultVisibleLines = 33;

// Whether every line break is CR LF already: no lone CR and no lone LF.
bool OnlyCrLfBreaks(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    // Nonzero when some byte of the word may be the given one (never zero when one is).
    auto mayHold = [](std::uint64_t word, char c) {
        const std::uint64_t x = word ^ (static_cast<std::uint8_t>(c) * kOnes);
        return (x - kOnes) & ~x & kHighs;
    };
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        if (i + 8 <= size) {  // eight bytes without a break are passed at once
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            if ((mayHold(word, '\r') | mayHold(word, '\n')) == 0) {
                i += 8;
                continue;
            }
        }
        if (data[i] == '\r') {
            if (i + 1 == size || data[i + 1] != '\n') return false;
            i += 2;  // the pair, so that an LF met alone is a lone one
            continue;
        }
        if (data[i] == '\n') return false;
        ++i;
    }
    return true;
}

// Every line break becomes CR LF: CR LF, a lone CR and a lone LF each count as one.
std::string NormaliseBreaks(std::string_view text) {
    if (OnlyCrLfBreaks(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Refuses a text longer than the model holds, before anything changes.
void RefuseLength(std::size_t length) {
    if (length > static_cast<std::size_t>(EditorModel::kMaxLength))
        throw Error("The text is too large: the editor holds at most 1 GiB");
}

}  // namespace

EditorModel::EditorModel() = default;
EditorModel::~EditorModel() = default;

// ---- Whole content --------------------------------------------------------------

void EditorModel::ResetContent(std::string text, std::string colourIndices, int oldLength) {
    if (oldLength < 0) oldLength = Length();
    text_ = GapBuffer<std::string>(std::move(text));
    colours_ = GapBuffer<std::string>(std::move(colourIndices));
    RebuildLineStarts();
    ClearUndo();
    firstVisibleLine_ = 0;
    anchor_ = caret_ = 0;
    typingColour_ = Length() == 0 ? kWindowTextColour : StoredAt(0);
    for (auto* o : Observers()) o->TextChanged(0, oldLength, Length());
    NotifySelection();
    for (auto* o : Observers()) o->ViewChanged();
}

void EditorModel::SetText(std::string_view text) {
    std::string normal = NormaliseBreaks(text);
    RefuseLength(normal.size());
    std::string colours(normal.size(), '\0');
    table_.Reset({kWindowTextColour});
    ResetContent(std::move(normal), std::move(colours));
}

void EditorModel::TakeText(std::string text) {
    if (!OnlyCrLfBreaks(text)) text = NormaliseBreaks(text);
    RefuseLength(text.size());
    // The colours get the room the text came with: a whole-document pass grows both in place.
    std::string colours;
    colours.reserve(text.capacity());
    colours.resize(text.size(), '\0');
    table_.Reset({kWindowTextColour});
    ResetContent(std::move(text), std::move(colours));
}

void EditorModel::Clear() { SetText({}); }

void EditorModel::LoadFromBytes(std::string_view data) {
    if (data.substr(0, 5) == "{\\rtf")
        LoadFromRtf(data);
    else
        SetText(data);
}

void EditorModel::LoadColoured(std::string text, std::vector<Colour> colours) {
    RefuseLength(text.size());
    table_.Reset({});
    std::string indices(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Colour stored = i < colours.size() ? colours[i] : kWindowTextColour;
        const auto index = table_.FindOrAdd(stored);
        indices[i] = static_cast<char>(index ? *index : table_.Nearest(stored));
    }
    std::vector<Colour>().swap(colours);  // gone before the observers hear of the change
    ResetContent(std::move(text), std::move(indices));
}

void EditorModel::LoadColoured(std::string text, std::string colourIndices, const std::vector<Colour>& palette) {
    RefuseLength(text.size());
    TakePaletteIndices(colourIndices, text.size(), palette);
    ResetContent(std::move(text), std::move(colourIndices));
}

void EditorModel::RewriteLines(const LineRewriter& rewrite, const std::vector<Colour>& palette) {
    const int oldLength = Length();
    auto finish = [&] {
        std::string indices = colours_.Release();
        std::string text = text_.Release();
        TakePaletteIndices(indices, text.size(), palette);
        ResetContent(std::move(text), std::move(indices), oldLength);
    };
    // The gaps walk from the start to the end: before them the lines
    // rewritten, after them in one piece those still to come.
    std::string line;
    std::string lineColours;
    try {
        int pos = 0;
        while (pos < Length()) {
            const int rest = Length() - pos;
            const char* text = text_.RangePointer(pos, rest);
            const char* colours = colours_.RangePointer(pos, rest);
            const void* cr = std::memchr(text, '\r', static_cast<std::size_t>(rest));
            const int length = cr ? static_cast<int>(static_cast<const char*>(cr) - text) : rest;
            const int breakLength = length == rest ? 0 : length + 1 < rest && text[length + 1] == '\n' ? 2 : 1;
            line.clear();
            lineColours.clear();
            rewrite(std::string_view(text, static_cast<std::size_t>(length)),
                    std::string_view(colours, static_cast<std::size_t>(length)), line, lineColours);
            lineColours.resize(line.size(), '\0');  // in step with the text, whatever the rewriter did
            line.append(text + length, static_cast<std::size_t>(breakLength));
            lineColours.append(colours + length, static_cast<std::size_t>(breakLength));
            const int removed = length + breakLength;
            RefuseLength(static_cast<std::size_t>(Length() - removed) + line.size());
            const int inserted = static_cast<int>(line.size());
            text_.Delete(pos, removed);
            text_.Insert(pos, line.data(), inserted);
            colours_.Delete(pos, removed);
            colours_.Insert(pos, lineColours.data(), inserted);
            pos += inserted;
        }
    } catch (...) {
        finish();  // the lines so far rewritten, the others as they were
        throw;
    }
    finish();
}

void EditorModel::TakePaletteIndices(std::string& colourIndices, std::size_t textLength,
                                     const std::vector<Colour>& palette) {
    // Table entries are added in the order the colours first appear in the
    // text, as the overload with one colour per character adds them; a
    // document whose indices already come in that order keeps its bytes.
    table_.Reset({});
    const std::size_t given = std::min(colourIndices.size(), textLength);
    colourIndices.resize(given);
    std::array<std::uint8_t, 256> toTable{};
    std::array<bool, 256> seen{};
    bool same = true;
    auto enter = [&](std::uint8_t c) {
        seen[c] = true;
        const Colour stored = c < palette.size() ? palette[c] : kWindowTextColour;
        const auto index = table_.FindOrAdd(stored);
        toTable[c] = index ? *index : table_.Nearest(stored);
        same = same && toTable[c] == c;
    };
    // Colours come in runs: eight bytes equal to the last one seen are passed at once.
    const char* bytes = colourIndices.data();
    std::uint8_t last = 0;
    std::size_t i = 0;
    if (given > 0) enter(last = static_cast<std::uint8_t>(bytes[0]));
    while (i < given) {
        if (i + 8 <= given) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            if (word == last * 0x0101010101010101ull) {
                i += 8;
                continue;
            }
        }
        const auto c = static_cast<std::uint8_t>(bytes[i++]);
        if (!seen[c]) enter(c);
        last = c;
    }
    if (!same)
        for (char& c : colourIndices) c = static_cast<char>(toTable[static_cast<std::uint8_t>(c)]);
    if (given < textLength) {
        const auto index = table_.FindOrAdd(kWindowTextColour);
        colourIndices.resize(textLength, static_cast<char>(index ? *index : table_.Nearest(kWindowTextColour)));
    }
}

std::string EditorModel::SaveToRtf() const {
    return WriteRtf(Text(), std::string_view(colours_.Contiguous()), table_.Entries(), fontName_, fontSize_);
}

void EditorModel::LoadFromRtf(std::string_view rtf, RtfColourRoles roles) {
    RtfDocument doc = ReadRtf(rtf, roles);  // throws before anything changes
    if (!doc.fontName.empty() && doc.fontName != fontName_) SetFontName(doc.fontName);
    LoadColoured(std::move(doc.text), std::move(doc.colours));
}

// ---- Line index ---------------------------------------------------------------

void EditorModel::RebuildLineStarts() {
    const std::string& text = Text();
    const char* data = text.data();
    const char* end = data + text.size();
    std::size_t breaks = 0;
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr; ++p) ++breaks;
    std::vector<int> starts;
    starts.reserve(breaks + 1);
    starts.push_back(0);
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr; ++p)
        starts.push_back(static_cast<int>(p - data) + 1);
    lines_.Reset(std::move(starts));
}

void EditorModel::UpdateLineStarts(int pos, int removed, std::string_view inserted) {
    // Lines starting inside (pos, pos + removed] disappear; later ones shift.
    const int first = lines_.LineOf(pos) + 1;
    const int gone = lines_.LineOf(pos + removed) + 1 - first;
    lines_.Remove(first, gone);
    lines_.Shift(first - 1, static_cast<int>(inserted.size()) - removed);
    int line = first;
    for (std::size_t i = 0; (i = inserted.find('\n', i)) != std::string_view::npos; ++i)
        lines_.Insert(line++, pos + static_cast<int>(i) + 1);
}

int EditorModel::LineCount() const {
    int lines = BreakCount() + 1;
    if (lines_.Start(BreakCount()) == Length()) --lines;  // a final empty line does not count
    return lines;
}

std::string EditorModel::Line(int index) const {
    if (index < 0 || index > BreakCount()) return {};
    int start = lines_.Start(index);
    int end = index < BreakCount() ? lines_.Start(index + 1) - 2 : Length();
    return text_.Slice(start, end - start);
}

void EditorModel::SetLine(int index, std::string_view text) {
    if (index < 0 || index > BreakCount()) return;
    int start = lines_.Start(index);
    SetSelStart(start);
    SetSelLength(LineLength(start));
    SetSelText(text);
}

int EditorModel::LineFromChar(int pos) const {
    if (pos == -1) pos = SelStart();
    pos = std::clamp(pos, 0, Length());
    return lines_.LineOf(pos);
}

int EditorModel::LineIndex(int line) const {
    if (line == -1) line = LineFromChar(SelStart());
    if (line < 0 || line > BreakCount()) return -1;
    return lines_.Start(line);
}

int EditorModel::LineLength(int pos) const {
    int line = LineFromChar(pos);
    int end = line < BreakCount() ? lines_.Start(line + 1) - 2 : Length();
    return end - lines_.Start(line);
}

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
    // Beyond 1638 points a size no longer fits the RTF the model writes nor the
    // fonts the painters make: a stored or typed size past it is not taken.
    if (points <= 0 || points > 1638) return;
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
