#include "commands/CommentCommands.h"

#include "completion/EditorTracker.h"
#include "editor/CaretPrimitives.h"
#include "unit/MainUnit.h"

#include "tests/commands/LineCommandTest.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace tarnwick {
namespace {

using testing::LineCommandRow;

class CommentCommands : public testing::LineCommandTest {
};

// Lines of five documents' worth: line n of "l1".."l5" starts at 4 * (n - 1).
const std::string kFiveLines = "l1\r\nl2\r\nl3\r\nl4\r\nl5";

TEST_F(CommentCommands, Comment) {
    Run(mCommentClick,
        {
            {"caret inside the line ends at its end", "x = 1", 2, 0, "'x = 1", 6, 0},
            {"empty line gets the mark alone", "a\r\n\r\nb", 3, 0, "a\r\n'\r\nb", 4, 0},
            {"empty document", "", 0, 0, "'", 1, 0},
            {"mark in column 1, before the indentation", "    x", 2, 0, "'    x", 6, 0},
            {"a REM line gets an apostrophe", "rem note", 0, 0, "'rem note", 9, 0},
            {"text behind the mark is not tidied", "x=1", 1, 0, "'x=1", 4, 0},
            {"selection ending at a line start takes that line", kFiveLines, 4, 8,
             "l1\r\n'l2\r\n'l3\r\n'l4\r\nl5", 4, 11},
            {"selection inside one line", kFiveLines, 5, 1, "l1\r\n'l2\r\nl3\r\nl4\r\nl5", 5, 2},
            {"selection ending on a line's break keeps to that line", kFiveLines, 0, 2,
             "'l1\r\nl2\r\nl3\r\nl4\r\nl5", 0, 3},
        });
}

TEST_F(CommentCommands, Uncomment) {
    Run(mUncommentClick,
        {
            {"leading apostrophe goes, caret at the end", "'x = 1", 3, 0, "x = 1", 5, 0},
            {"apostrophe after indentation stays", "    ' word", 2, 0, "    ' word", 2, 0},
            {"a REM line stays", "rem note", 4, 0, "rem note", 4, 0},
            {"a lone apostrophe leaves an empty line", "a\r\n'\r\nb", 4, 0, "a\r\n\r\nb", 3, 0},
            {"an empty line stays empty", "", 0, 0, "", 0, 0},
            {"two apostrophes keep one", "''x", 3, 0, "'x", 2, 0},
            {"the uncommented code is tidied, the caret short of its end", "'x=1", 4, 0, "x = 1", 3, 0},
            {"only the commented line of a selection changes", "1\r\n2\r\n3\r\n4\r\na\r\n'b\r\nc\r\n8", 12, 8,
             "1\r\n2\r\n3\r\n4\r\na\r\nb\r\nc\r\n8", 12, 7},
            // Both lines lose their mark though the selection holds only the break between them.
            {"selection of a break alone shrinks to nothing", "'a\r\n'b", 2, 2, "a\r\nb", 1, 0},
        });
}

TEST_F(CommentCommands, CommentedLinesShowTheCommentColourAtOnce) {
    Place("dim x\r\nmsgbox x", 0, 9);
    mCommentClick(unit);
    ASSERT_EQ(unit.MainText.Text(), "'dim x\r\n'msgbox x");
    for (int pos : {0, 1, 5, 8, 16}) EXPECT_EQ(unit.MainText.ColourAt(pos), colours.comments) << pos;

    mUncommentClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "Dim x\r\nMsgBox x");
    EXPECT_EQ(unit.MainText.ColourAt(0), colours.statements);
    EXPECT_EQ(unit.MainText.ColourAt(7), colours.functions);
    EXPECT_EQ(unit.MainText.ColourAt(4), kBlack);
}

// With Busy clear after the first coloured line, the caret tracker recolours
// the line it last saw when a later line is replaced. That line may lie above
// the range and grow when tidied; the lines below must still be replaced whole.
TEST_F(CommentCommands, TrackerRecolouringAnEarlierLineCorruptsNothing) {
    EditorTracker tracker(unit);
    for (auto [command, before, after] :
         {std::tuple{&mCommentClick, "x=1\r\na\r\nb\r\nc", "x = 1\r\n'a\r\n'b\r\nc"},
          std::tuple{&mUncommentClick, "x=1\r\n'a\r\n'b\r\nc", "x = 1\r\na\r\nb\r\nc"}}) {
        SCOPED_TRACE(before);
        unit.Busy = true;  // the selection came from a command: line 1 is left untidy
        Place(before, 5, 3);
        unit.CurLine = unit.PrevLine = 1;
        unit.Busy = false;
        command(unit);
        EXPECT_EQ(unit.MainText.Text(), after);
        EXPECT_FALSE(unit.Busy);
    }
}

}  // namespace
}  // namespace tarnwick
