#include "editor/EditorModel.h"
#include "editor/RtfReader.h"
#include "editor/RtfWriter.h"
#include "unit/Error.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarnwick {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(Rtf, LayoutPutsHeaderColourTableAndOneTextLinePerRtfLine) {
    EditorModel m;
    m.SetText("Dim x\r\nx = 1\r\n\r\nend");
    m.SetSelStart(0);
    m.SetSelLength(3);
    m.SetSelColour(0x800000);
    auto lines = SplitLines(m.SaveToRtf());
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}");
    EXPECT_EQ(lines[1], "{\\colortbl ;\\red0\\green0\\blue128;}");
    EXPECT_EQ(lines[2], "\\viewkind4\\uc1\\pard\\f0\\fs20 \\cf1 Dim\\cf0  x");
    EXPECT_EQ(lines[3], "\\par x = 1");
    EXPECT_EQ(lines[4], "\\par ");
    EXPECT_EQ(lines[5], "\\par end");
    EXPECT_EQ(lines[6], "\\par }");
}

TEST(Rtf, PlainTextHasNoColourTableLine) {
    EditorModel m;
    m.SetText("a");
    auto lines = SplitLines(m.SaveToRtf());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "\\viewkind4\\uc1\\pard\\f0\\fs20 a");
    EXPECT_EQ(lines[2], "\\par }");
}

TEST(Rtf, SpecialCharactersAreEscaped) {
    std::string text = std::string("a\\b{c}\td'e\xE9\x01", 12);
    std::vector<Colour> colours(text.size(), kWindowTextColour);
    auto lines = SplitLines(WriteRtf(text, colours, "Courier New", 10));
    EXPECT_EQ(lines[1], "\\viewkind4\\uc1\\pard\\f0\\fs20 a\\\\b\\{c\\}\\tab d'e\\'e9\\'01");
}

TEST(Rtf, RoundTripKeepsTextColoursAndEveryByte) {
    EditorModel m;
    std::string text;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') text += static_cast<char>(b);
    text += "\r\n\r\nlast line\r\n";
    m.SetText(text);
    m.SetSelStart(5);
    m.SetSelLength(40);
    m.SetSelColour(0x0000FF);
    m.SetSelStart(200);
    m.SetSelLength(60);
    m.SetSelColour(0x008000);
    std::vector<Colour> colours = m.Colours();

    EditorModel back;
    back.LoadFromRtf(m.SaveToRtf());
    EXPECT_EQ(back.Text(), text);
    EXPECT_EQ(back.Colours(), colours);
    EXPECT_TRUE(back.Check());
}

// What the reader makes of rich text: the text, each character's colour (the
// window's text colour unless listed) and the default font's name.
TEST(Rtf, ReaderTakesTextColoursAndFontAsFarAsTheyMakeSense) {
    struct Row {
        const char* name;
        std::string rtf;
        const char* text;  // null: refused
        std::vector<std::pair<int, Colour>> coloured = {};
        const char* font = nullptr;  // null: not looked at
    } rows[] = {
        {"ordinary rtf of another program",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}{\\colortbl;\\red255\\green0\\blue0;}"
         "{\\*\\generator Some writer;}{\\info{\\title ignored}}"
         "\\pard\\plain Hello \\cf1 red\\cf0  w\\'f6rld\\line next\\tab tab\\par"
         "\\uc1\\u8364?uro {\\*\\unknowndest skipped} {\\pict 0123abcd}\\bin4 ab}c end\\par\n}",
         "Hello red w\xF6rld\r\nnext\ttab\r\n\x80uro   end", {{6, 0x0000FF}, {7, 0x0000FF}, {8, 0x0000FF}}, "Arial"},
        {"colour words inside the font name", "{\\rtf1{\\fonttbl{\\f0\\fmodern Courier \\cf2New\\cf0 ;}}\\pard x\\par }",
         "x", {}, "Courier New"},
        {"starred groups are no part of the font name",
         "{\\rtf1{\\fonttbl{\\f0\\froman\\fprq2{\\*\\panose 02020603050405020304}Times New Roman{\\*\\falt Times};}}"
         "{\\*\\x y}\\b bold\\b0\\par }",
         "bold", {}, "Times New Roman"},
        {"a \\deff that names no font: the first listed", "{\\rtf1\\deff9{\\fonttbl{\\f3 Arial;}{\\f1 Times;}}x}", "x", {},
         "Arial"},
        {"\\uc2 skips two fallbacks; \\cf7 has no table entry",
         "{\\rtf1{\\colortbl;\\red9\\green9\\blue9;}\\uc2\\u233\\'65\\'65x\\cf7 y\\cf1 z}", "\xE9xyz",
         {{3, RgbColour(9, 9, 9)}}},
        {"a colour word's number ends at the first non-digit",
         "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\pard \\cf1Dim\\cf0  x\\par }", "Dim x",
         {{0, RgbColour(1, 2, 3)}, {1, RgbColour(1, 2, 3)}, {2, RgbColour(1, 2, 3)}}},
        {"escaped breaks become CR LF", "{\\rtf1 a\\'0db\\'0ac\\'0d\\'0ad}", "a\r\nb\r\nc\r\nd"},
        {"unbalanced open", "{\\rtf1 abc{{{", "abc"},
        {"extra closing", "{\\rtf1 abc}}}} more", "abc"},
        {"deep nesting", "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}'), nullptr},
        {"huge bin: the rest is its data", "{\\rtf1 a\\bin999999999999 tail}", "a"},
        {"negative bin: no data", "{\\rtf1 a\\bin-5 tail}", "atail"},
        {"truncated hex", "{\\rtf1 a\\'", "a"},
        {"truncated hex digit", "{\\rtf1 a\\'4", "a"},
        {"bad hex: the letters stay text", "{\\rtf1 a\\'zz}", "azz"},
        {"truncated word", "{\\rtf1 a\\", "a"},
        {"huge numbers: no such colour, no such character", "{\\rtf1 \\cf99999999999999999 a\\u-99999999999}", "a?"},
        {"not rtf", "hello", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.text) {
            EXPECT_THROW(ReadRtf(row.rtf), Error);
            continue;
        }
        const RtfDocument doc = ReadRtf(row.rtf);
        EXPECT_EQ(doc.text, row.text);
        std::vector<Colour> colours(doc.text.size(), kWindowTextColour);
        for (const auto& [at, colour] : row.coloured) colours.at(at) = colour;
        EXPECT_EQ(doc.colours, colours);
        EXPECT_EQ(row.font ? doc.fontName : "", row.font ? row.font : "");
    }
}

TEST(Rtf, FailedLoadLeavesTheDocumentAsItWas) {
    EditorModel m;
    m.SetText("keep me");
    try {
        m.LoadFromRtf("{\\rtf1 " + std::string(10000, '{'));
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to Load Stream");
    }
    EXPECT_EQ(m.Text(), "keep me");
}

}  // namespace
}  // namespace tarnwick
