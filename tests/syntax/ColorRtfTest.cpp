#include "syntax/DocumentColouring.h"

#include "syntax/ColorText.h"
#include "tests/syntax/RtfReferenceColouring.h"
#include "tests/syntax/StyledText.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tarnwick {
namespace {

SyntaxEntries RtfTable() {
    return {
        {"Abs", "Function", "Function", "Abs(number)"},
        {"Dim", "Statement", "Statement", ""},
        {"If", "Statement", "Statement", ""},
        {"New", "Statement", "Statement", ""},
        {"Rem", "Statement", "Statement", ""},
        {"Set", "Statement", "Statement", ""},
        {"Tab", "Function", "Function", ""},
        {"Then", "Statement", "Statement", ""},
        {"Dim", "Function", "Function", ""},
        {"CreateObject", "Wscript", "Function", ""},
    };
}

struct RtfCase {
    const char* name;
    std::string line;
    std::string expected;
};

// The reference colouring of single RTF lines.
TEST(ColorRtfTest, ReferenceLines) {
    const RtfCase cases[] = {
        {"keyword", "\\par dim x", "\\par \\cf2Dim\\cf0  x"},
        {"first text line", "\\viewkind4\\uc1\\pard\\f0\\fs20 dim x", "\\viewkind4\\uc1\\pard\\f0\\fs20 \\cf2Dim\\cf0  x"},
        {"spacing and comment", "\\par x=1 ' note", "\\par x = 1 \\cf3' note\\cf0 "},
        {"keyword in a string", "\\par s = \"if\"", "\\par s = \"if\""},
        {"keywords up to the end", "\\par if x then", "\\par \\cf2If\\cf0  x \\cf2Then\\cf0 "},
        {"first entry of a name wins", "\\par DIM a", "\\par \\cf2Dim\\cf0  a"},
        {"object members are not coloured", "\\par createobject(x)", "\\par createobject(x)"},
        {"font name keeps its place", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier \\cf2New\\cf0 ;}}"},
        {"colour table line", "{\\colortbl;\\red0\\green0\\blue128;}", "{\\colortbl;\\red0\\green0\\blue128;}"},
        {"escape is no comment mark", "\\par caf\\'e9=1 : if x", "\\par caf\\'e9 = 1 : \\cf2If\\cf0  x"},
        {"no colour word inside an escape", "\\par \\'abs = 1", "\\par \\'abs = 1"},
        {"escaped letter ends no word", "\\par abs\\'e9", "\\par abs\\'e9"},
        {"control word is not searched", "\\par \\tab tab", "\\par \\tab \\cf1Tab\\cf0 "},
        {"escaped backslash is a delimiter", "\\par a\\\\dim", "\\par a\\\\\\cf2Dim\\cf0 "},
        {"escaped brace is no delimiter", "\\par dim\\{", "\\par dim\\{"},
        {"rem comment hides later keywords", "\\par rem set x", "\\par \\cf3Rem set x\\cf0 "},
        {"rem after a statement", "\\par x : rem if", "\\par x : \\cf3Rem if\\cf0 "},
        {"remainder is no comment", "\\par remainder=1", "\\par remainder = 1"},
        {"text after a spaced sign", "\\par x    =    y=1", "\\par x = y = 1"},
        {"equals in a string", "\\par s = \"a=b=c\"", "\\par s = \"a=b=c\""},
        {"apostrophe and rem both open a comment", "\\par x ' it's rem",
         "\\par x \\cf3' it's \\cf3rem\\cf0 \\cf0 "},
        {"apostrophe in a string", "\\par s = \"it's\" ' c", "\\par s = \"it's\" \\cf3' c\\cf0 "},
        {"a quote in a comment ends no comment", "\\par ' \"don't\" if x=1", "\\par \\cf3' \"don't\" if x=1\\cf0 "},
        {"end line", "\\par }", "\\par }"},
        {"empty text line", "\\par ", "\\par "},
        {"blank line", " ", " "},
    };
    for (const auto& c : cases) EXPECT_EQ(reference::ColorRtf(RtfTable(), c.line), c.expected) << c.name;
}


// Documents made of pieces that meet every rule: keywords in any case and next
// to digits and signs, "Rem" as a statement and as a comment, strings, both
// comment marks, "=" with blanks and comparisons, tabs, backslashes, braces,
// control characters and bytes above 127 (which RTF escapes), empty lines.
std::string RandomDocument(std::mt19937& random) {
    static const std::string pieces[] = {
        "dim", "Dim ", "DIM", "if", "then", "rem", "Rem ", "REM", "abs", "set", "new", "tab", "x", "remainder",
        "on error", "end if", "a.b", "1", "2dim", "dim3", " ", " ", "  ", "=", "=", "<", ">", "\"", "'", ":",
        "(", ")", ",", "_", ".", "\t", "\\", "{", "}", "\xE9", "\x92", "\x01", "\x7F", std::string(1, '\0'),
        "\r\n", "\r\n", "\r\n\r\n", "caf\xE9=1", "' it's", "x=1 ' note", "s = \"if\" : if x then"};
    std::string text;
    for (int n = static_cast<int>(random() % 40); n > 0; --n) text += pieces[random() % std::size(pieces)];
    return text;
}

// Colouring straight from the text gives what the RTF route gives: the same
// text and the same stored colour (with its role) on every character.
TEST(ColorRtfTest, ColouringFromTheTextMatchesTheRtfRoute) {
    const SyntaxEntries shipped = LoadSyntaxTable(std::string(TARNWICK_SOURCE_DIR) + "/data/syntax.ini");
    ASSERT_FALSE(shipped.empty());
    const SyntaxEntries multiWord = {{"On Error", "Statement", "", ""}, {"x", "Function", "", ""},
                                     {"End If", "Statement", "", ""},   {"a.b", "Function", "", ""},
                                     {"Rem", "Statement", "", ""},      {"if", "Statement", "", ""},
                                     {"x =", "Statement", "", ""},      {"", "Statement", "", ""}};
    const std::pair<SyntaxEntries, int> tables[] = {{RtfTable(), 3000}, {shipped, 1500}, {multiWord, 3000}};
    ColourSettings colours{0x000000FF, 0x00FF0000, 0x00008000};
    std::mt19937 random(8122026);
    for (const auto& [table, rounds] : tables) {
        for (int round = 0; round < rounds; ++round) {
            const std::string text = RandomDocument(random);
            MainUnit direct;
            MainUnit rtf;
            for (MainUnit* unit : {&direct, &rtf}) {
                unit->SyntaxTable = table;
                unit->Colours = &colours;
                unit->MainText.SetText(text);
            }
            ColourWholeDocument(direct);
            reference::ColourWholeDocumentThroughRtf(rtf);
            ASSERT_EQ(direct.MainText.Text(), rtf.MainText.Text()) << ::testing::PrintToString(text);
            ASSERT_EQ(direct.MainText.StoredColours(), rtf.MainText.StoredColours()) << ::testing::PrintToString(text);
            ASSERT_EQ(direct.MainText.TypingColour(), rtf.MainText.TypingColour());
            ASSERT_TRUE(direct.MainText.Check());
        }
    }
}

class WholeDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        unit.SyntaxTable = RtfTable();
        unit.Colours = &colours;
    }
    std::string Styled() { return testing::StyledDocument(unit.MainText, colours); }

    ColourSettings colours{0x000000FF, 0x00FF0000, 0x00008000};
    MainUnit unit;
};

TEST_F(WholeDocumentTest, ColoursAndTidiesEveryLine) {
    unit.MainText.SetText("dim x\r\nx=1 ' note\r\n\r\ns = \"if\" : if x then\r\n");
    ColourWholeDocument(unit);
    EXPECT_EQ(unit.MainText.Text(), "Dim x\r\nx = 1 ' note\r\n\r\ns = \"if\" : If x Then\r\n");
    EXPECT_EQ(Styled(), "{S}Dim{W} x\r\n{W}x = 1 {C}' note\r\n\r\n{W}s = \"if\" : {S}If{W} x {S}Then\r\n");
    EXPECT_EQ(unit.MainText.FontName(), "Courier New");
}

// Colours a line already has, from the whole-document pass or from the line
// colouring, come out of a second pass as they went in.
TEST_F(WholeDocumentTest, ColouringTwiceChangesNothing) {
    unit.MainText.SetText("set x = abs(1) ' note\r\n");
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) ColorText(unit, 1);  // black text between the keywords
        ColourWholeDocument(unit);
        const std::string once = Styled();
        ColourWholeDocument(unit);
        EXPECT_EQ(Styled(), once) << "pass " << pass;
    }
}

TEST_F(WholeDocumentTest, KeepsEveryOtherByte) {
    const std::string text = "caf\xE9 = \"\\{x}\"\t' \xAB" "abs\r\n\x01rem\r\n";
    unit.MainText.SetText(text);
    ColourWholeDocument(unit);
    EXPECT_EQ(unit.MainText.Text(), text);
    EXPECT_EQ(Styled(), "{W}caf\xE9 = \"\\{x}\"\t{C}' \xAB" "abs\r\n{W}\x01rem\r\n");
}

TEST_F(WholeDocumentTest, UsesTheColoursInForce) {
    colours.statements = 0x00123456;
    unit.MainText.SetText("dim x");
    ColourWholeDocument(unit);
    EXPECT_EQ(unit.MainText.ColourAt(0), 0x00123456u);
}

// A document read as RTF keeps its own colours wherever no rule colours it
// (through RTF they became syntax colours: the reader keeps the first colour table).
TEST_F(WholeDocumentTest, KeepsTheDocumentsOwnColours) {
    unit.MainText.LoadFromRtf("{\\rtf1\\ansi{\\colortbl ;\\red1\\green2\\blue3;}\\cf1 red dim x\\cf0  plain}");
    ColourWholeDocument(unit);
    EXPECT_EQ(Styled(), "{#010203}red {S}Dim{#010203} x{W} plain");
}

TEST_F(WholeDocumentTest, EmptyDocument) {
    ColourWholeDocument(unit);
    EXPECT_EQ(unit.MainText.Text(), "");
}

}  // namespace
}  // namespace tarnwick
