#include "lsp/TextDocument.h"

#include "editor/TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace tarnwick::lsp {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The units of the character of `length` UTF-8 bytes: one beyond the basic
// plane takes a surrogate pair in UTF-16.
int UnitsOf(int length, PositionEncoding encoding) {
    return encoding == PositionEncoding::Utf16 && length == 4 ? 2 : 1;
}

}  // namespace

int CountUnits(std::string_view text, PositionEncoding encoding) {
    if (encoding == PositionEncoding::Utf8) return static_cast<int>(text.size());
    int units = 0;
    for (std::size_t at = 0; at < text.size();) {
        const int length = CharLength(text, at, TextEncoding::Utf8);
        units += UnitsOf(length, encoding);
        at += static_cast<std::size_t>(length);
    }
    return units;
}

int BytesForUnits(std::string_view line, int units, PositionEncoding encoding) {
    if (units <= 0) return 0;
    if (encoding == PositionEncoding::Utf8) {
        // Never inside a character: a position that falls there moves to its start.
        std::size_t at = std::min(line.size(), static_cast<std::size_t>(units));
        while (at > 0 && at < line.size() && IsContinuation(static_cast<unsigned char>(line[at]))) --at;
        return static_cast<int>(at);
    }
    std::size_t at = 0;
    int counted = 0;
    while (at < line.size()) {
        const int length = CharLength(line, at, TextEncoding::Utf8);
        const int width = UnitsOf(length, encoding);
        if (counted + width > units) break;  // the middle of a surrogate pair stays before the character
        counted += width;
        at += static_cast<std::size_t>(length);
        if (counted == units) break;
    }
    return static_cast<int>(at);
}

TextDocument::TextDocument(std::string text, int version, PositionEncoding encoding)
    : version_(version), encoding_(encoding) {
    SetText(std::move(text));
}

TextDocument::TextDocument(Borrowed text, int version, PositionEncoding encoding)
    : borrowed_(&text.text), version_(version), encoding_(encoding) {
    Reread();
}

void TextDocument::SetText(std::string text) {
    text_ = std::move(text);
    Reread();
}

void TextDocument::Reread() {
    lineStarts_.assign(1, 0);
    // About one line for every 40 bytes: a large script's starts are rarely moved while they are found.
    lineStarts_.reserve(Text().size() / 40 + 1);
    AppendLineStarts(Text(), 0, static_cast<int>(Text().size()), lineStarts_);
}

// The starts of the lines that breaks at [from, to) begin; a CR at to - 1 still pairs with an LF after it.
// Each line's LF is found with memchr and its CRs between the breaks, so a long text costs two calls a line.
void TextDocument::AppendLineStarts(std::string_view text, int from, int to, std::vector<int>& starts) {
    const auto begin = static_cast<std::size_t>(from);
    const auto end = static_cast<std::size_t>(to);
    const auto find = [&text](char c, std::size_t at, std::size_t before) {
        const void* found = std::memchr(text.data() + at, c, before - at);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : before;
    };
    for (std::size_t at = begin; at < end;) {
        const std::size_t lf = find('\n', at, end);
        for (std::size_t cr = find('\r', at, lf); cr < lf; cr = find('\r', cr + 1, lf)) {
            const bool pair = cr + 1 < text.size() && text[cr + 1] == '\n';
            starts.push_back(static_cast<int>(cr) + (pair ? 2 : 1));
        }
        if (lf == end) break;
        // The second byte of a CR LF was noted at the CR.
        if (lf == begin || text[lf - 1] != '\r') starts.push_back(static_cast<int>(lf) + 1);
        at = lf + 1;
    }
}

int TextDocument::LineEnd(int line) const {
    int end = line + 1 < LineCount() ? lineStarts_[static_cast<std::size_t>(line) + 1] : static_cast<int>(Text().size());
    const int start = lineStarts_[static_cast<std::size_t>(line)];
    if (end > start && Text()[static_cast<std::size_t>(end) - 1] == '\n') --end;
    if (end > start && Text()[static_cast<std::size_t>(end) - 1] == '\r') --end;
    return end;
}

std::string_view TextDocument::Line(int line) const {
    if (line < 0 || line >= LineCount()) return {};
    const int start = LineStart(line);
    return std::string_view(Text()).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(LineEnd(line) - start));
}

std::optional<int> TextDocument::OffsetOf(Position position) const {
    if (position.line < 0 || position.line >= LineCount() || position.character < 0) return std::nullopt;
    return LineStart(position.line) + BytesForUnits(Line(position.line), position.character, encoding_);
}

int TextDocument::ClampedOffsetOf(Position position) const {
    if (position.line < 0) return 0;
    if (position.line >= LineCount()) return static_cast<int>(Text().size());
    return LineStart(position.line) + BytesForUnits(Line(position.line), std::max(0, position.character), encoding_);
}

Position TextDocument::PositionOf(int offset) const {
    offset = std::clamp(offset, 0, static_cast<int>(Text().size()));
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const int line = static_cast<int>(after - lineStarts_.begin()) - 1;
    const int start = LineStart(line);
    // An offset between CR and LF, or on the break, counts as the line's end.
    const int end = std::max(start, std::min(offset, LineEnd(line)));
    return {line, CountUnits(std::string_view(Text()).substr(static_cast<std::size_t>(start),
                                                             static_cast<std::size_t>(end - start)),
                             encoding_)};
}

void TextDocument::Replace(int start, int end, std::string_view inserted) {
    const int size = static_cast<int>(text_.size());
    start = std::clamp(start, 0, size);
    end = std::clamp(end, start, size);
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), inserted);
    Replaced(start, end, static_cast<int>(inserted.size()));
}

void TextDocument::Replaced(int start, int end, int inserted) {
    const int growth = inserted - (end - start);
    const int newEnd = end + growth;
    // Lines are found again from the line holding the byte before the edit (a CR
    // there may now pair with an inserted LF) to the edit's end (an inserted CR
    // may pair with the LF after it); the lines after it move by the growth.
    const auto kept = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), std::max(0, start - 1));
    const int from = *(kept - 1);
    std::vector<int> found;
    AppendLineStarts(Text(), from, newEnd, found);
    // In place: a keystroke in a long script moves the later starts, and copies nothing else.
    auto tail = std::upper_bound(kept, lineStarts_.end(), end);
    for (auto it = tail; it != lineStarts_.end(); ++it) *it += growth;
    const int last = found.empty() ? from : found.back();
    while (tail != lineStarts_.end() && *tail <= last) ++tail;
    const auto gap = tail - kept;
    const auto count = static_cast<std::ptrdiff_t>(found.size());
    if (count <= gap) {
        std::copy(found.begin(), found.end(), kept);
        lineStarts_.erase(kept + count, tail);
    } else {
        std::copy(found.begin(), found.begin() + gap, kept);
        lineStarts_.insert(tail, found.begin() + gap, found.end());
    }
}

}  // namespace tarnwick::lsp
