#include "commands/IndentCommands.h"

#include "completion/EditorTracker.h"
#include "editor/CaretPrimitives.h"
#include "syntax/ColorText.h"
#include "unit/MainUnit.h"

#include "tests/commands/LineCommandTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::LineCommandRow;

class IndentCommands : public testing::LineCommandTest {
protected:
    // n lines "line 1" .. "line n".
    static std::string Numbered(int n) {
        std::string text;
        for (int i = 1; i <= n; ++i) text += "line " + std::to_string(i) + (i < n ? "\r\n" : "");
        return text;
    }
};

const std::string kFiveLines = "l1\r\nl2\r\nl3\r\nl4\r\nl5";

TEST_F(IndentCommands, Indent) {
    Run(mIndentClick,
        {
            {"caret stays before the same character", "a\r\nb\r\nxyz\r\nd", 7, 0, "a\r\nb\r\n    xyz\r\nd", 11, 0},
            {"first line", "abc", 0, 0, "    abc", 4, 0},
            {"last line after a break", "a\r\n", 3, 0, "a\r\n    ", 7, 0},
            {"empty document", "", 0, 0, "    ", 4, 0},
            {"a tab is kept and none is added", "\tx", 1, 0, "    \tx", 5, 0},
            {"selection ending at a line start takes that line", kFiveLines, 4, 8,
             "l1\r\n    l2\r\n    l3\r\n    l4\r\nl5", 4, 20},
            // The start keeps its position, now four characters further left in the text.
            {"selection inside one line", kFiveLines, 5, 1, "l1\r\n    l2\r\nl3\r\nl4\r\nl5", 5, 5},
        });
}

TEST_F(IndentCommands, Outdent) {
    Run(mOutdentClick,
        {
            {"two leading spaces: unchanged", "  x", 3, 0, "  x", 3, 0},
            {"eight leading spaces keep four", "        x", 9, 0, "    x", 5, 0},
            {"a leading tab is not removed", "\tx", 0, 0, "\tx", 0, 0},
            {"four spaces alone leave an empty line", "a\r\n    ", 7, 0, "a\r\n", 3, 0},
            {"the outdented code is tidied", "    x=1", 7, 0, "x = 1", 3, 0},
            {"only the indented line of a selection changes", "1\r\n2\r\n3\r\n4\r\na\r\n    b\r\nc\r\n8", 12, 11,
             "1\r\n2\r\n3\r\n4\r\na\r\nb\r\nc\r\n8", 12, 7},
            {"selection cannot shrink below nothing", "    a\r\n    b", 5, 2, "a\r\nb", 4, 0},
        });
}

TEST_F(IndentCommands, IndentThenOutdentGivesTheTextBack) {
    Place(kFiveLines, 4, 8);
    mIndentClick(unit);
    EXPECT_EQ(unit.MainText.SelLength(), 8 + 12);
    mOutdentClick(unit);
    EXPECT_EQ(unit.MainText.Text(), kFiveLines);
    EXPECT_EQ(unit.MainText.SelStart(), 4);
    EXPECT_EQ(unit.MainText.SelLength(), 8);
}

TEST_F(IndentCommands, IndentKeepsEveryColour) {
    Place("dim x ' note\r\nmsgbox x", 0, 0);
    ColorText(unit, 1);
    ColorText(unit, 2);
    const std::vector<Colour> before = unit.MainText.Colours();
    Select(0, 15);  // both lines
    mIndentClick(unit);
    ASSERT_EQ(unit.MainText.Text(), "    Dim x ' note\r\n    MsgBox x");
    const std::vector<Colour>& after = unit.MainText.Colours();
    for (int i = 0; i < 14; ++i) EXPECT_EQ(after[i + 4], before[i]) << i;  // line 1 and its break
    for (int i = 14; i < 22; ++i) EXPECT_EQ(after[i + 8], before[i]) << i;
}

TEST_F(IndentCommands, IndentKeepsTheViewWhereItWas) {
    Place(Numbered(200), 0, 0);
    unit.MainText.SetFirstVisibleLine(50);
    Select(FirstColumn(unit.MainText, 60) + 2, 0);
    mIndentClick(unit);
    EXPECT_EQ(unit.MainText.FirstVisibleLine(), 50);
    // A selection that reaches far below the view does not scroll it either.
    Select(FirstColumn(unit.MainText, 55), FirstColumn(unit.MainText, 150) - FirstColumn(unit.MainText, 55));
    unit.MainText.SetFirstVisibleLine(50);  // scrolled back by the user
    mIndentClick(unit);
    EXPECT_EQ(unit.MainText.FirstVisibleLine(), 50);
    EXPECT_EQ(CurLineNum(unit.MainText, unit.MainText.SelStart()), 55);
}

TEST_F(IndentCommands, IndentKeepsTheEarlierUndoSteps) {
    Place("a\r\nb", 4, 0);
    unit.MainText.TypeText("c");
    mIndentClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "a\r\n    bc");
    unit.MainText.Undo();
    EXPECT_EQ(unit.MainText.Text(), "a\r\nbc");
    unit.MainText.Undo();
    EXPECT_EQ(unit.MainText.Text(), "a\r\nb");
}

TEST_F(IndentCommands, TrackerRecolouringAnEarlierLineCorruptsNothing) {
    EditorTracker tracker(unit);
    unit.Busy = true;  // the selection came from a command: line 1 is left untidy
    Place("x=1\r\n    a\r\n    b\r\nc", 5, 11);
    unit.CurLine = unit.PrevLine = 1;
    unit.Busy = false;
    mOutdentClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "x = 1\r\na\r\nb\r\nc");
    EXPECT_FALSE(unit.Busy);
}

}  // namespace
}  // namespace tarnwick
