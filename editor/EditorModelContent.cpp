// The editor model's whole content: loading, RTF, rewriting lines at once,
// and the index of line starts.

#include "editor/EditorModel.h"

#include "editor/EditorUndo.h"
#include "editor/ModelText.h"
#include "editor/RtfReader.h"
#include "editor/RtfWriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tarnwick {

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

}  // namespace tarnwick
