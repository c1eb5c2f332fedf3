#include "app/EditorModel.h"

#include "app/Ansi.h"
#include "app/EditorUndo.h"
#include "app/RtfReader.h"
#include "app/RtfWriter.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {
namespace {

// Lines that fit on screen when no view is attached (the design height of the
// editor in 13-pixel lines).
constexpr int kDefaultVisibleLines = 33;

// Every line break becomes CR LF: CR LF, a lone CR and a lone LF each count as one.
std::string NormaliseBreaks(std::string_view text) {
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

bool IsWordByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A ||
           c == 0x9C || c == 0x9E || c == 0x9F;
}

}  // namespace

EditorModel::EditorModel() = default;
EditorModel::~EditorModel() = default;

// ---- Whole content --------------------------------------------------------------

void EditorModel::ResetContent(std::string text, std::vector<Colour> colours) {
    int oldLength = Length();
    text_ = std::move(text);
    colours_ = std::move(colours);
    RebuildLineStarts();
    ClearUndo();
    firstVisibleLine_ = 0;
    anchor_ = caret_ = 0;
    typingColour_ = colours_.empty() ? kWindowTextColour : colours_.front();
    for (auto* o : Observers()) o->TextChanged(0, oldLength, Length());
    NotifySelection();
    for (auto* o : Observers()) o->ViewChanged();
}

void EditorModel::SetText(std::string_view text) {
    std::string normal = NormaliseBreaks(text);
    std::vector<Colour> colours(normal.size(), kWindowTextColour);
    ResetContent(std::move(normal), std::move(colours));
}

void EditorModel::Clear() { SetText({}); }

void EditorModel::LoadFromBytes(std::string_view data) {
    if (data.substr(0, 5) == "{\\rtf")
        LoadFromRtf(data);
    else
        SetText(data);
}

void EditorModel::LoadColoured(std::string text, std::vector<Colour> colours) {
    colours.resize(text.size(), kWindowTextColour);
    ResetContent(std::move(text), std::move(colours));
}

std::string EditorModel::SaveToRtf() const { return WriteRtf(text_, colours_, fontName_, fontSize_); }

void EditorModel::LoadFromRtf(std::string_view rtf, RtfColourRoles roles) {
    RtfDocument doc = ReadRtf(rtf, roles);  // throws before anything changes
    if (!doc.fontName.empty() && doc.fontName != fontName_) SetFontName(doc.fontName);
    ResetContent(std::move(doc.text), std::move(doc.colours));
}

// ---- Line index ---------------------------------------------------------------

void EditorModel::RebuildLineStarts() {
    lineStarts_.assign(1, 0);
    const char* data = text_.data();
    std::size_t n = text_.size();
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', data + n - p))) != nullptr; ++p)
        lineStarts_.push_back(static_cast<int>(p - data) + 1);
}

void EditorModel::UpdateLineStarts(int pos, int removed, std::string_view inserted) {
    // Lines starting inside (pos, pos + removed] disappear; later ones shift.
    auto first = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), pos);
    auto last = std::upper_bound(first, lineStarts_.end(), pos + removed);
    std::vector<int> added;
    for (std::size_t i = 0; i < inserted.size(); ++i)
        if (inserted[i] == '\n') added.push_back(pos + static_cast<int>(i) + 1);
    int delta = static_cast<int>(inserted.size()) - removed;
    for (auto it = last; it != lineStarts_.end(); ++it) *it += delta;
    auto at = lineStarts_.erase(first, last);
    lineStarts_.insert(at, added.begin(), added.end());
}

int EditorModel::LineCount() const {
    int lines = BreakCount() + 1;
    if (lineStarts_.back() == Length()) --lines;  // a final empty line does not count
    return lines;
}

std::string EditorModel::Line(int index) const {
    if (index < 0 || index > BreakCount()) return {};
    int start = lineStarts_[index];
    int end = index < BreakCount() ? lineStarts_[index + 1] - 2 : Length();
    return text_.substr(start, end - start);
}

void EditorModel::SetLine(int index, std::string_view text) {
    if (index < 0 || index > BreakCount()) return;
    int start = lineStarts_[index];
    SetSelStart(start);
    SetSelLength(LineLength(start));
    SetSelText(text);
}

int EditorModel::LineFromChar(int pos) const {
    if (pos == -1) pos = SelStart();
    pos = std::clamp(pos, 0, Length());
    return static_cast<int>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), pos) - lineStarts_.begin()) - 1;
}

int EditorModel::LineIndex(int line) const {
    if (line == -1) line = LineFromChar(SelStart());
    if (line < 0 || line > BreakCount()) return -1;
    return lineStarts_[line];
}

int EditorModel::LineLength(int pos) const {
    int line = LineFromChar(pos);
    int end = line < BreakCount() ? lineStarts_[line + 1] - 2 : Length();
    return end - lineStarts_[line];
}

// ---- Selection ------------------------------------------------------------------

int EditorModel::Snap(int pos) const {
    pos = std::clamp(pos, 0, Length());
    if (pos > 0 && pos < Length() && text_[pos - 1] == '\r' && text_[pos] == '\n') --pos;
    return pos;
}

int EditorModel::SelStart() const { return std::min(anchor_, caret_); }
int EditorModel::SelLength() const { return std::abs(caret_ - anchor_); }

void EditorModel::SetSelectionRaw(int anchor, int caret) {
    // A selection that ends between CR and LF takes the whole break; a start
    // or a caret there moves onto the CR.
    auto insideBreak = [this](int p) { return p > 0 && p < Length() && text_[p - 1] == '\r' && text_[p] == '\n'; };
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
    typingColour_ = (before >= 0 && text_[before] != '\n' && text_[before] != '\r') ? colours_[before]
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

std::string EditorModel::SelText() const { return text_.substr(SelStart(), SelLength()); }

void EditorModel::SetSelText(std::string_view text) {
    std::string normal = NormaliseBreaks(text);
    int start = SelStart();
    Colour colour = SelLength() > 0 ? colours_[start] : typingColour_;
    std::vector<Colour> colours(normal.size(), colour);
    Replace(start, SelLength(), normal, colours.data(), false);
}

void EditorModel::SelectAll() { SetSelection(0, Length()); }

// ---- Colours --------------------------------------------------------------------

Colour EditorModel::ColourAt(int pos) const {
    if (pos < 0 || pos >= Length()) return TypingColour();
    return PlainColour(colours_[pos]);
}

ColourRole EditorModel::RoleAt(int pos) const {
    return RoleOf(pos < 0 || pos >= Length() ? typingColour_ : colours_[pos]);
}

std::vector<Colour> EditorModel::Colours() const {
    std::vector<Colour> plain(colours_.size());
    std::transform(colours_.begin(), colours_.end(), plain.begin(), PlainColour);
    return plain;
}

void EditorModel::SetRoleColour(ColourRole role, Colour colour) {
    if (role == ColourRole::None) return;
    const Colour stored = WithRole(colour, role);
    auto renew = [&](std::vector<Colour>& colours) {
        for (Colour& c : colours)
            if (RoleOf(c) == role) c = stored;
    };
    renew(colours_);
    if (RoleOf(typingColour_) == role) typingColour_ = stored;
    for (auto* history : {&undo_, &redo_})
        for (UndoStep& step : *history)
            for (UndoRecord& record : step.records) {
                renew(record.removedColours);
                renew(record.insertedColours);
            }
    for (auto* o : Observers()) o->ColoursChanged(0, Length());
}

void EditorModel::SetSelColour(Colour colour) {
    int start = SelStart();
    int length = SelLength();
    if (length == 0) {
        typingColour_ = colour;
        return;
    }
    std::vector<Colour> old(colours_.begin() + start, colours_.begin() + start + length);
    if (std::all_of(old.begin(), old.end(), [colour](Colour c) { return c == colour; })) return;
    std::fill(colours_.begin() + start, colours_.begin() + start + length, colour);
    if (!replaying_) {
        std::string same = text_.substr(start, length);
        RecordReplace(start, std::move(same), std::move(old), length, false);
    }
    for (auto* o : Observers()) o->ColoursChanged(start, length);
}

// ---- Typing ---------------------------------------------------------------------

void EditorModel::TypeText(std::string_view text) {
    std::string normal = NormaliseBreaks(text);
    std::vector<Colour> colours(normal.size(), typingColour_);
    Replace(SelStart(), SelLength(), normal, colours.data(), true);
}

void EditorModel::DeleteBackward() {
    if (SelLength() > 0) {
        Replace(SelStart(), SelLength(), {}, nullptr, true);
        return;
    }
    int pos = SelStart();
    if (pos == 0) return;
    int from = (pos >= 2 && text_[pos - 1] == '\n' && text_[pos - 2] == '\r') ? pos - 2 : pos - 1;
    Replace(from, pos - from, {}, nullptr, true);
}

void EditorModel::DeleteForward() {
    if (SelLength() > 0) {
        Replace(SelStart(), SelLength(), {}, nullptr, true);
        return;
    }
    int pos = SelStart();
    if (pos >= Length()) return;
    int count = (text_[pos] == '\r' && pos + 1 < Length() && text_[pos + 1] == '\n') ? 2 : 1;
    Replace(pos, count, {}, nullptr, true);
}

// ---- Replacing --------------------------------------------------------------------

void EditorModel::ApplyRaw(int pos, int removed, std::string_view text, const Colour* colours) {
    text_.replace(pos, removed, text);
    // Move the colours after the change once, then copy the new ones in place.
    int inserted = static_cast<int>(text.size());
    if (inserted > removed)
        colours_.insert(colours_.begin() + pos + removed, inserted - removed, kWindowTextColour);
    else if (inserted < removed)
        colours_.erase(colours_.begin() + pos + inserted, colours_.begin() + pos + removed);
    std::copy(colours, colours + inserted, colours_.begin() + pos);
    UpdateLineStarts(pos, removed, text);
    // Observers may read the selection: keep it inside the text until the caller places it.
    anchor_ = std::min(anchor_, Length());
    caret_ = std::min(caret_, Length());
    for (auto* o : Observers()) o->TextChanged(pos, removed, static_cast<int>(text.size()));
}

void EditorModel::Replace(int pos, int removed, std::string_view text, const Colour* colours, bool typing) {
    pos = std::clamp(pos, 0, Length());
    removed = std::clamp(removed, 0, Length() - pos);
    if (removed == 0 && text.empty()) {
        SetSelStart(pos);
        return;
    }
    std::string removedText = text_.substr(pos, removed);
    std::vector<Colour> removedColours(colours_.begin() + pos, colours_.begin() + pos + removed);
    std::vector<Colour> fill;
    if (colours == nullptr) {
        fill.assign(text.size(), typingColour_);
        colours = fill.data();
    }
    bool unchanged = removedText == text && std::equal(removedColours.begin(), removedColours.end(), colours);
    int caret = pos + static_cast<int>(text.size());
    if (unchanged) {  // writing the same text and colours again is no edit and no undo step
        SetSelectionRaw(caret, caret);
        ScrollCaret();
        NotifySelection();
        return;
    }
    ApplyRaw(pos, removed, text, colours);
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
    int end = length < 0 ? Length() : std::clamp(start + length, start, Length());
    int n = static_cast<int>(what.size());
    std::string needle = options.matchCase ? std::string(what) : AnsiLowerCase(what);
    unsigned char first = static_cast<unsigned char>(needle[0]);
    unsigned char firstUpper = options.matchCase ? first : AnsiUpper(first);
    for (int i = start; i + n <= end; ++i) {
        unsigned char c = static_cast<unsigned char>(text_[i]);
        if (c != first && c != firstUpper) continue;
        bool match = true;
        for (int k = 1; k < n && match; ++k) {
            unsigned char t = static_cast<unsigned char>(text_[i + k]);
            unsigned char w = static_cast<unsigned char>(needle[k]);
            match = options.matchCase ? t == w : AnsiLower(t) == w;
        }
        if (!match) continue;
        if (options.wholeWord) {
            bool before = i == 0 || !IsWordByte(static_cast<unsigned char>(text_[i - 1]));
            bool after = i + n >= Length() || !IsWordByte(static_cast<unsigned char>(text_[i + n]));
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
    if (colours_.size() != text_.size()) return false;
    std::vector<int> starts{0};
    for (std::size_t i = 0; i < text_.size(); ++i) {
        bool crlf = i + 1 < text_.size() && text_[i] == '\r' && text_[i + 1] == '\n';
        if (text_[i] == '\r' && !crlf) return false;
        if (text_[i] == '\n' && (i == 0 || text_[i - 1] != '\r')) return false;
        if (text_[i] == '\n') starts.push_back(static_cast<int>(i) + 1);
    }
    if (starts != lineStarts_) return false;
    return anchor_ >= 0 && anchor_ <= Length() && caret_ >= 0 && caret_ <= Length();
}

}  // namespace tarnwick
