#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::lsp {

// How a client counts the characters of a line: UTF-16 code units (the
// protocol's default), bytes of UTF-8, or code points.
enum class PositionEncoding { Utf16, Utf8, Utf32 };

// A place as the client names it: 0-based line and character.
struct Position {
    int line = 0;
    int character = 0;
    bool operator==(const Position&) const = default;
};

struct Range {
    Position start;
    Position end;
};

// One open document: its UTF-8 text and where each line starts. A line ends
// at CR LF, a lone CR or a lone LF, as the client splits lines.
class TextDocument {
public:
    TextDocument(std::string text, int version, PositionEncoding encoding);
    // A document over a text that its owner keeps and changes, telling it of each
    // change with Replaced or Reread: a text of megabytes is then held only once.
    struct Borrowed {
        const std::string& text;
    };
    TextDocument(Borrowed text, int version, PositionEncoding encoding);

    const std::string& Text() const { return borrowed_ ? *borrowed_ : text_; }
    int Version() const { return version_; }
    int LineCount() const { return static_cast<int>(lineStarts_.size()); }

    // The byte offset of a position; a character past the line's end means the
    // line's end, a line past the last one has no offset.
    std::optional<int> OffsetOf(Position position) const;
    // The same, with a line past the last one meaning the end of the text (for edits).
    int ClampedOffsetOf(Position position) const;
    Position PositionOf(int offset) const;
    Range RangeOf(int offset, int length) const { return {PositionOf(offset), PositionOf(offset + length)}; }

    // The text of a 0-based line without its break.
    std::string_view Line(int line) const;
    int LineStart(int line) const { return lineStarts_[static_cast<std::size_t>(line)]; }

    // Replaces [start, end) of the bytes and keeps the line starts in step.
    void Replace(int start, int end, std::string_view inserted);
    void SetText(std::string text);
    // A borrowed text's owner replaced its bytes [start, end) with `inserted` bytes, or the whole text.
    void Replaced(int start, int end, int inserted);
    void Reread();
    void SetVersion(int version) { version_ = version; }

private:
    int LineEnd(int line) const;  // where the line's break (or the text) starts
    static void AppendLineStarts(std::string_view text, int from, int to, std::vector<int>& starts);

    std::string text_;
    const std::string* borrowed_ = nullptr;  // the text, when its owner keeps it
    int version_ = 0;
    PositionEncoding encoding_;
    std::vector<int> lineStarts_;  // lineStarts_[0] == 0; one per line, the last line may be empty
};

// The units a position's character counts in [text) under an encoding.
int CountUnits(std::string_view text, PositionEncoding encoding);
// The bytes of `line` taken up by `units` units (all of it when it has fewer).
int BytesForUnits(std::string_view line, int units, PositionEncoding encoding);

}  // namespace tarnwick::lsp
