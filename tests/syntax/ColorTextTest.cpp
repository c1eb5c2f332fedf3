#include "syntax/ColorText.h"

#include "editor/CaretPrimitives.h"
#include "tests/syntax/StyledText.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::StyledLine;

// Colours that tell the three kinds apart.
const ColourSettings kTestColours{0x000000FF, 0x00FF0000, 0x00008000};

SyntaxEntries SmallTable() {
    return {
        {"Dim", "Statement", "Statement", "Dim varname"},
        {"If", "Statement", "Statement", ""},
        {"Then", "Statement", "Statement", ""},
        {"Rem", "Statement", "Statement", ""},
        {"Set", "Statement", "Statement", ""},
        {"MsgBox", "Function", "Function", "MsgBox(prompt)"},
        {"Len", "Function", "Function", "Len(string)"},
        {"CreateObject", "Wscript", "Function", "CreateObject(progid)"},
    };
}

class ColorTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        unit.SyntaxTable = SmallTable();
        unit.Colours = &colours;
    }
    void Load(const std::string& text) { unit.MainText.SetText(text); }
    std::string Line(int number) { return StyledLine(unit.MainText, colours, number - 1); }
    // Colours line `number` with the caret on it, as the caret tracker does when the line is left.
    void ColourLine(int number) {
        unit.CurLine = number;
        unit.MainText.SetSelStart(FirstColumn(unit.MainText, number));
        ColorText(unit, number);
    }

    ColourSettings colours = kTestColours;
    MainUnit unit;
};

struct LineCase {
    const char* name;
    std::string text;
    std::string expected;
};

TEST_F(ColorTextTest, SingleLines) {
    const LineCase cases[] = {
        {"spaces around equals", "x=1", "{0}x = 1"},
        {"spaced less or equal closes up", "a < = b", "{0}a <=b"},
        {"text after a spaced sign is spaced too", "x    =    y=1", "{0}x = y = 1"},
        {"keyword respelled and coloured", "dim x", "{S}Dim{0} x"},
        {"keyword in a string", "s = \"if\"", "{0}s = \"if\""},
        {"keywords up to the end of the line", "if x then", "{S}If{0} x {S}Then"},
        {"keywords of a lengthened line", "x=1:if y then", "{0}x = 1:{S}If{0} y {S}Then"},
        {"object member is not coloured", "createobject(x)", "{0}createobject(x)"},
        {"rem comment covers the line", "rem note", "{C}Rem note"},
        {"remainder is no comment", "remainder=5", "{0}remainder = 5"},
        {"comment from the apostrophe", "x = 1 ' note", "{0}x = 1 {C}' note"},
        {"apostrophe in a string", "s = \"it's\" ' c", "{0}s = \"it's\" {C}' c"},
        {"a comment quoting an apostrophe stays as written", "' the \"don't\" rule: if x=1",
         "{C}' the \"don't\" rule: if x=1"},
        {"keyword inside a longer word", "iffy = 1", "{0}iffy = 1"},
    };
    for (const auto& c : cases) {
        Load(c.text);
        ColourLine(1);
        EXPECT_EQ(Line(1), c.expected) << c.name;
        // Colouring again changes nothing.
        ColourLine(1);
        EXPECT_EQ(Line(1), c.expected) << c.name << " (again)";
    }
}

struct DocumentCase {
    const char* name;
    std::vector<std::string> lines;
    int line;
    std::string expected;
};

TEST_F(ColorTextTest, DeclaredVariables) {
    const DocumentCase cases[] = {
        {"uses take the declared spelling", {"Dim Total", "total = total + 1"}, 2, "{0}Total = Total + 1"},
        {"comment words are no names", {"Dim a ' SET The value", "the VALUE = A"}, 2, "{0}the VALUE = a"},
        {"a comment at the top hides nothing", {"' header", "Dim Count", "count = 1"}, 3, "{0}Count = 1"},
        {"a string at the top hides nothing", {"x = \"a", "Dim Count", "count = 1"}, 3, "{0}Count = 1"},
        {"Dim in a string declares nothing", {"s = \"Dim Foo\"", "foo = 1"}, 2, "{0}foo = 1"},
        {"declared name in a string stays", {"Dim Total", "s = \"total\""}, 2, "{0}s = \"total\""},
        {"the line itself declares", {"dim Foo, foo2 : FOO = 1"}, 1, "{S}Dim{0} Foo, foo2 : Foo = 1"},
        {"a keyword declared on the line keeps the table's spelling", {"dim len : LEN = 1"}, 1,
         "{S}Dim{0} {F}Len{0} : {F}Len{0} = 1"},
    };
    for (const auto& c : cases) {
        std::string text;
        for (const auto& l : c.lines) text += l + "\r\n";
        Load(text);
        ColourLine(c.line);
        EXPECT_EQ(Line(c.line), c.expected) << c.name;
    }
}

TEST_F(ColorTextTest, EmptyOrMissingLineChangesNothing) {
    Load("x=1\r\n\r\ny=2");
    for (int line : {2, 4, 0, -1}) {
        unit.Busy = true;
        unit.MainText.SetSelStart(1);
        ColorText(unit, line);
        EXPECT_TRUE(unit.Busy) << line;
        EXPECT_EQ(unit.MainText.Text(), "x=1\r\n\r\ny=2") << line;
        EXPECT_EQ(unit.MainText.SelStart(), 1) << line;
    }
}

TEST_F(ColorTextTest, CaretGoesBackToTheTrackedLineAndColumn) {
    Load("x=1\r\nabcdef\r\n");
    // The caret has moved to line 2, column 3, and the tracker colours line 1.
    unit.MainText.SetSelStart(5 + 2);
    unit.MainText.SetSelLength(2);
    unit.CurLine = 2;
    ColorText(unit, 1);
    EXPECT_EQ(unit.MainText.Text(), "x = 1\r\nabcdef\r\n");
    EXPECT_EQ(unit.MainText.SelStart(), 7 + 2);
    EXPECT_EQ(unit.MainText.SelLength(), 0);
    EXPECT_EQ(CurColumn(unit.MainText), 3);
}

TEST_F(ColorTextTest, BusyIsClearedAfterwardsWhateverItWas) {
    Load("x=1");
    unit.Busy = true;
    bool busyDuring = false;
    struct Watch : EditorObserver {
        MainUnit* unit;
        bool* seen;
        void SelectionChanged() override { *seen = *seen || unit->Busy; }
    } watch;
    watch.unit = &unit;
    watch.seen = &busyDuring;
    unit.MainText.AddObserver(&watch);
    ColorText(unit, 1);
    unit.MainText.RemoveObserver(&watch);
    EXPECT_TRUE(busyDuring);
    EXPECT_FALSE(unit.Busy);
    EXPECT_FALSE(unit.MainText.Updating());
}

TEST_F(ColorTextTest, OneColouringIsOneUndoStep) {
    Load("dim x=1 ' c");
    unit.MainText.ClearUndo();
    ColourLine(1);
    EXPECT_EQ(unit.MainText.Text(), "Dim x = 1 ' c");
    unit.MainText.Undo();
    EXPECT_EQ(unit.MainText.Text(), "dim x=1 ' c");
    EXPECT_FALSE(unit.MainText.CanUndo());
}

TEST_F(ColorTextTest, OneCharacterNameMovesOn) {
    unit.SyntaxTable = {{"x", "Function", "", ""}, {"y", "Statement", "", ""}};
    Load("x = x + y(x)");
    ColourLine(1);
    EXPECT_EQ(Line(1), "{F}x{0} = {F}x{0} + {S}y{0}({F}x{0})");
}

TEST_F(ColorTextTest, LaterEntryWinsAndColoursAreReadWhenColouring) {
    unit.SyntaxTable.push_back({"len", "Statement", "", ""});
    Load("n = LEN(s)");
    ColourLine(1);
    EXPECT_EQ(Line(1), "{0}n = {S}len{0}(s)");

    colours.comments = 0x00123456;
    Load("' note");
    ColourLine(1);
    EXPECT_EQ(unit.MainText.ColourAt(0), 0x00123456u);
}

TEST_F(ColorTextTest, EmptyTableStillColoursComments) {
    unit.SyntaxTable.clear();
    Load("dim x ' c");
    ColourLine(1);
    EXPECT_EQ(Line(1), "{0}dim x {C}' c");
}

}  // namespace
}  // namespace tarnwick
