// The open document's bookkeeping: an edit keeps the line starts a fresh
// reading would find (breaks are CR LF, CR or LF, and an edit may join or split
// a CR LF pair), and positions count the units the client counts.
#include "lsp/TextDocument.h"

#include <gtest/gtest.h>

namespace tarnwick::lsp {
namespace {

struct EditRow {
    const char* name;
    std::string text;
    int start, end;
    std::string inserted;
};

TEST(TextDocumentTest, AnEditKeepsTheLinesAFreshReadingFinds) {
    const EditRow rows[] = {
        {"LF typed after a CR joins them", "a\rb", 2, 2, "\n"},
        {"CR typed before an LF joins them", "a\nb", 1, 1, "\r"},
        {"the LF of a pair removed", "a\r\nb", 2, 3, ""},
        {"the CR of a pair removed", "a\r\nb", 1, 2, ""},
        {"text typed between CR and LF", "a\r\nb", 2, 2, "x"},
        {"lines inserted", "one\r\ntwo", 3, 3, "\r\nx\ny\rz"},
        {"lines removed", "1\r\n2\r\n3\r\n4", 1, 7, ""},
        {"at the start", "\nx\r\n", 0, 0, "\r"},
        {"at the end", "x\r", 2, 2, "\n\n"},
    };
    for (const EditRow& row : rows) {
        SCOPED_TRACE(row.name);
        TextDocument edited(row.text, 1, PositionEncoding::Utf16);
        edited.Replace(row.start, row.end, row.inserted);
        const std::string expected = row.text.substr(0, row.start) + row.inserted + row.text.substr(row.end);
        const TextDocument fresh(expected, 1, PositionEncoding::Utf16);
        ASSERT_EQ(edited.Text(), expected);
        ASSERT_EQ(edited.LineCount(), fresh.LineCount());
        for (int line = 0; line < fresh.LineCount(); ++line) EXPECT_EQ(edited.LineStart(line), fresh.LineStart(line));
    }
}

struct PositionRow {
    const char* name;
    PositionEncoding encoding;
    Position position;
    std::optional<int> offset;
};

TEST(TextDocumentTest, PositionsCountTheClientsUnits) {
    // "é" is two bytes and one UTF-16 unit; the emoji four bytes, two units.
    const TextDocument utf16("x = \"\xC3\xA9\xF0\x9F\x98\x80\" : y\r\nz", 1, PositionEncoding::Utf16);
    const TextDocument utf8(utf16.Text(), 1, PositionEncoding::Utf8);
    const PositionRow rows[] = {
        {"after a two-byte character", PositionEncoding::Utf16, {0, 6}, 7},
        {"after a surrogate pair", PositionEncoding::Utf16, {0, 8}, 11},
        {"inside a surrogate pair, before it", PositionEncoding::Utf16, {0, 7}, 7},
        {"bytes when UTF-8 is agreed", PositionEncoding::Utf8, {0, 11}, 11},
        {"past the line's end, at its end", PositionEncoding::Utf16, {0, 99}, 16},
        {"the next line", PositionEncoding::Utf16, {1, 1}, 19},
        {"a line past the last", PositionEncoding::Utf16, {2, 0}, std::nullopt},
    };
    for (const PositionRow& row : rows) {
        SCOPED_TRACE(row.name);
        const TextDocument& document = row.encoding == PositionEncoding::Utf8 ? utf8 : utf16;
        EXPECT_EQ(document.OffsetOf(row.position), row.offset);
        if (row.offset && row.position.character < 99 && row.position.character != 7) {
            EXPECT_EQ(document.PositionOf(*row.offset), row.position);
        }
    }
}

}  // namespace
}  // namespace tarnwick::lsp
