#include "editor/EditorModel.h"
#include "editor/GapBuffer.h"
#include "editor/LineStarts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <stdexcept>

namespace tarnwick {
namespace {

// Random edits at random places, one run staying near one place (as typing
// does), each compared with a plain reference after every step.
struct EditPattern {
    const char* name;
    int steps;
    int spread;  // how far an edit may land from the one before; 0: anywhere
};
const EditPattern kPatterns[] = {
    {"anywhere", 3000, 0},
    {"typing near one place", 3000, 3},
    {"long runs", 300, 0},
};

TEST(EditorStorage, GapBufferAgreesWithAString) {
    for (const EditPattern& pattern : kPatterns) {
        std::mt19937 random(7);
        GapBuffer<std::string> buffer;
        std::string reference;
        int pos = 0;
        for (int step = 0; step < pattern.steps; ++step) {
            const int length = static_cast<int>(reference.size());
            pos = pattern.spread == 0 ? static_cast<int>(random() % (length + 1))
                                      : std::clamp(pos + static_cast<int>(random() % (2 * pattern.spread + 1)) -
                                                       pattern.spread, 0, length);
            const int count = pattern.steps < 1000 ? static_cast<int>(random() % 20000) : static_cast<int>(random() % 5);
            switch (random() % 5) {
            case 0: {
                const std::string piece(static_cast<std::size_t>(count), static_cast<char>('a' + step % 26));
                buffer.Insert(pos, piece.data(), count);
                reference.insert(static_cast<std::size_t>(pos), piece);
                break;
            }
            case 1:
                buffer.InsertFill(pos, 'z', count);
                reference.insert(static_cast<std::size_t>(pos), static_cast<std::size_t>(count), 'z');
                break;
            case 2: {
                const int removed = std::min(count, length - pos);
                buffer.Delete(pos, removed);
                reference.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(removed));
                break;
            }
            case 3: {
                const int n = std::min(count, length - pos);
                ASSERT_EQ(std::string_view(buffer.RangePointer(pos, n), static_cast<std::size_t>(n)),
                          std::string_view(reference).substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(n)))
                    << pattern.name << " step " << step;
                break;
            }
            default:
                if (step % 7 == 0) {
                    ASSERT_EQ(buffer.Contiguous(), reference) << pattern.name << " step " << step;
                }
                break;
            }
            ASSERT_EQ(buffer.Length(), static_cast<int>(reference.size())) << pattern.name << " step " << step;
            ASSERT_EQ(buffer.Slice(0, buffer.Length()), reference) << pattern.name << " step " << step;
        }
    }
}

TEST(EditorStorage, LineStartsAgreeWithAVector) {
    for (const EditPattern& pattern : kPatterns) {
        std::mt19937 random(11);
        LineStarts lines;
        std::vector<int> reference{0};
        int line = 0;
        for (int step = 0; step < pattern.steps; ++step) {
            const int count = static_cast<int>(reference.size());
            line = pattern.spread == 0 ? static_cast<int>(random() % count)
                                       : std::clamp(line + static_cast<int>(random() % (2 * pattern.spread + 1)) -
                                                        pattern.spread, 0, count - 1);
            const int delta = static_cast<int>(random() % 9) - 3;
            switch (random() % 3) {
            case 0:  // a change of length inside the line
                if (line + 1 < count && reference[static_cast<std::size_t>(line) + 1] + delta <
                                            reference[static_cast<std::size_t>(line)] + 2)
                    break;
                lines.Shift(line, delta);
                for (std::size_t i = static_cast<std::size_t>(line) + 1; i < reference.size(); ++i) reference[i] += delta;
                break;
            case 1: {  // a break typed in the line: the start of a new one after it
                const int start = reference[static_cast<std::size_t>(line)] + 1;
                lines.Shift(line, 2);
                for (std::size_t i = static_cast<std::size_t>(line) + 1; i < reference.size(); ++i) reference[i] += 2;
                lines.Insert(line + 1, start + 1);
                reference.insert(reference.begin() + line + 1, start + 1);
                break;
            }
            default: {  // lines joined with the one before
                const int removed = std::min(static_cast<int>(random() % 4) + 1, count - 1 - line);
                if (line == 0 || removed <= 0) break;
                lines.Remove(line, removed);
                reference.erase(reference.begin() + line, reference.begin() + line + removed);
                break;
            }
            }
            ASSERT_EQ(lines.ToVector(), reference) << pattern.name << " step " << step;
            const int probe = static_cast<int>(random() % (reference.back() + 5));
            const int expected =
                static_cast<int>(std::upper_bound(reference.begin(), reference.end(), probe) - reference.begin()) - 1;
            ASSERT_EQ(lines.LineOf(probe), expected) << pattern.name << " step " << step;
        }
    }
}

// Up to 256 colours in use are kept exactly, unused ones make room; beyond
// that a colour is stored as the nearest one in the table.
TEST(EditorStorage, ColourTableMakesRoomAndFallsBackToTheNearest) {
    EditorModel m;
    m.SetText("ab");
    for (unsigned i = 0; i < 600; ++i) {  // each colour replaces the one before, with no history
        m.SetSelection(0, 1);
        m.SetSelColour(RgbColour(i % 256, i / 256, 7));
        m.ClearUndo();
        ASSERT_EQ(m.ColourAt(0), RgbColour(i % 256, i / 256, 7)) << i;
    }
    EXPECT_TRUE(m.Check());

    m.SetText(std::string(300, 'x'));
    for (int i = 0; i < 300; ++i) {  // every colour still in use, its change in the history
        m.SetSelection(i, i + 1);
        m.SetSelColour(RgbColour(static_cast<unsigned>(i % 256), 0, static_cast<unsigned>(i / 256 * 9)));
    }
    // The window-text colour and 255 others fill the table.
    EXPECT_EQ(m.ColourAt(254), RgbColour(254, 0, 0));
    EXPECT_EQ(m.ColourAt(255), RgbColour(254, 0, 0));
    EXPECT_EQ(m.ColourAt(299), RgbColour(43, 0, 0));
    EXPECT_TRUE(m.Check());
}

// Loading indices into a palette, and rewriting every line in place, give the
// content and the colour table that loading one colour per character gives.
TEST(EditorStorage, IndexedLoadsAndRewritesMakeTheTableOfColoursByCharacter) {
    const Colour red = RgbColour(200, 0, 0);
    const Colour blue = WithRole(RgbColour(0, 0, 200), ColourRole::Functions);
    struct Row {
        const char* name;
        std::string text;
        std::string indices;
        std::vector<Colour> palette;
    };
    const Row rows[] = {
        {"palette out of order, unused entries", "ab\r\ncd", std::string("\2\0\0\0\2\2", 6), {red, blue, kWindowTextColour, kBlack}},
        {"bytes past the palette, too few of them", "abcde", "\1\5\0", {red, blue}},
        {"empty", "", "", {red}},
    };
    auto colourOf = [](const Row& row, std::size_t i) {
        const std::size_t index = i < row.indices.size() ? static_cast<std::uint8_t>(row.indices[i]) : 255;
        return index < row.palette.size() ? row.palette[index] : kWindowTextColour;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Colour> colours;
        for (std::size_t i = 0; i < row.text.size(); ++i) colours.push_back(colourOf(row, i));
        EditorModel byColour;
        byColour.LoadColoured(row.text, colours);
        EditorModel byIndex;
        byIndex.LoadColoured(row.text, row.indices, row.palette);
        EXPECT_EQ(byIndex.Text(), row.text);
        EXPECT_EQ(byIndex.ColourEntries(), byColour.ColourEntries());
        EXPECT_EQ(byIndex.StoredColours(), colours);
        EXPECT_TRUE(byIndex.Check());

        // The same colours written by rewriting each line of the plain text,
        // upper-cased; the breaks keep theirs. A rewriter that fails on the
        // second line leaves that line and the rest as they were.
        for (bool failing : {false, true}) {
            EditorModel rewritten;
            rewritten.SetText(row.text);
            std::vector<Colour> palette = rewritten.ColourEntries();
            const auto first = palette.size();
            palette.insert(palette.end(), row.palette.begin(), row.palette.end());
            std::string expected = row.text;
            std::vector<Colour> expectedColours(row.text.size(), kWindowTextColour);
            std::size_t at = 0;
            int lines = 0;
            const bool throws = failing && row.text.find('\r') != std::string::npos;
            auto rewrite = [&] {
                rewritten.RewriteLines(
                    [&](std::string_view line, std::string_view, std::string& text, std::string& indices) {
                        if (throws && ++lines == 2) throw std::runtime_error("rewriter failed");
                        for (std::size_t i = 0; i < line.size(); ++i, ++at) {
                            text += static_cast<char>(std::toupper(static_cast<unsigned char>(line[i])));
                            const auto index = static_cast<std::size_t>(colourOf(row, at) == kWindowTextColour
                                                                            ? 0
                                                                            : first + static_cast<std::uint8_t>(row.indices[at]));
                            indices += static_cast<char>(index);
                            expected[at] = text.back();
                            expectedColours[at] = palette[index];
                        }
                        at += 2;
                    },
                    palette);
            };
            if (throws) EXPECT_THROW(rewrite(), std::runtime_error);
            else rewrite();
            EXPECT_EQ(rewritten.Text(), expected);
            EXPECT_EQ(rewritten.StoredColours(), expectedColours);
            EditorModel reference;
            reference.LoadColoured(expected, expectedColours);
            EXPECT_EQ(rewritten.ColourEntries(), reference.ColourEntries());
            EXPECT_TRUE(rewritten.Check());
        }
    }
}

// Text handed over is taken as SetText takes a copy of it.
TEST(EditorStorage, TakenTextIsTheSetText) {
    for (const std::string& text : {std::string("a\r\nb\r\n"), std::string("a\rb\nc\r\n\n\r"), std::string("\0\r\n", 3), std::string()}) {
        EditorModel set;
        set.SetText(text);
        EditorModel taken;
        taken.TakeText(text);
        EXPECT_EQ(taken.Text(), set.Text());
        EXPECT_EQ(taken.StoredColours(), set.StoredColours());
        EXPECT_TRUE(taken.Check());
    }
}

}  // namespace
}  // namespace tarnwick
