#include "syntax/DocumentColouring.h"

#include "app/MainUnit.h"
#include "syntax/ColorText.h"
#include "syntax/RtfLineColouring.h"
#include "tests/syntax/StyledText.h"

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

TEST(ColorRtfTest, GoldenLines) {
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
    const SyntaxEntries table = RtfTable();
    RtfLineColourer colour(table);
    for (const auto& c : cases) {
        EXPECT_EQ(colour(c.line), c.expected) << c.name;
        EXPECT_EQ(ColorRtfStepByStep(table, c.line), c.expected) << c.name << " (step by step)";
    }
}

TEST(ColorRtfTest, EmptyTableStillColoursComments) {
    const SyntaxEntries empty;
    EXPECT_EQ(RtfLineColourer(empty)("\\par dim ' c"), "\\par dim \\cf3' c\\cf0 ");
}

TEST(ColorRtfTest, KeywordsOfMoreThanOneWordTakeTheStepByStepSearches) {
    const SyntaxEntries table = {{"On Error", "Statement", "", ""}, {"Dim", "Statement", "", ""}};
    EXPECT_EQ(RtfLineColourer(table)("\\par on error resume: dim x"),
              "\\par \\cf2On Error\\cf0  resume: \\cf2Dim\\cf0  x");
}

// Random RTF lines of keywords, strings, comments, escapes and control words.
std::string RandomRtfLine(std::mt19937& random) {
    static const std::string pieces[] = {
        "dim", "Dim", "if", "then", "rem", "Rem", "abs", "set", "new", "tab", "x", "remainder", " ", " ", "  ",
        "=", "<", ">", "\"", "'", ":", "(", ")", ",", "\\'e9", "\\'ab", "\\'27", "\\'00", "\\\\", "\\{", "\\}",
        "\\tab ", "\\cf1 ", "_", "1", "{", "}"};
    std::string line = random() % 2 ? "\\par " : "";
    for (int n = static_cast<int>(random() % 14); n > 0; --n) line += pieces[random() % std::size(pieces)];
    return line;
}

TEST(ColorRtfTest, ByWordColouringAgreesWithTheStepByStepSearches) {
    const SyntaxEntries shipped = LoadSyntaxTable(std::string(TARNWICK_SOURCE_DIR) + "/data/syntax.ini");
    ASSERT_FALSE(shipped.empty());
    const std::pair<SyntaxEntries, int> tables[] = {{RtfTable(), 20000}, {shipped, 2000}};
    std::mt19937 random(8122026);
    for (const auto& [table, rounds] : tables) {
        RtfLineColourer colour(table);
        for (int round = 0; round < rounds; ++round) {
            std::string line = RandomRtfLine(random);
            ASSERT_EQ(colour(line), ColorRtfStepByStep(table, line)) << line;
        }
    }
}

TEST(ColorRtfTest, SplitAndJoinKeepTheText) {
    EXPECT_EQ(SplitRtfLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitRtfLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitRtfLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(JoinRtfLines({"a", "b"}), "a\r\nb\r\n");
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

TEST_F(WholeDocumentTest, ColoursAlreadyThereTakeNoPart) {
    const std::string text = "set x = abs(1) ' note\r\n";
    unit.MainText.SetText(text);
    ColourWholeDocument(unit);
    const std::string fromPlainText = Styled();
    unit.MainText.SetText(text);
    ColorText(unit, 1);  // black text between the keywords, coloured line by line
    ColourWholeDocument(unit);
    EXPECT_EQ(Styled(), fromPlainText);
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

TEST_F(WholeDocumentTest, EmptyDocument) {
    ColourWholeDocument(unit);
    EXPECT_EQ(unit.MainText.Text(), "");
}

}  // namespace
}  // namespace tarnwick
