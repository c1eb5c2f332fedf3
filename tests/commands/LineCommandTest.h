#pragma once

#include "editor/CaretPrimitives.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick::testing {

// One run of a line command: the document and selection before, and after.
struct LineCommandRow {
    const char* name;
    std::string text;
    int selStart;
    int selLength;
    std::string expectedText;
    int expectedSelStart;
    int expectedSelLength;
};

// A document with a small syntax table, for the comment and indent commands.
class LineCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        unit.SyntaxTable = {{"Dim", "Statement", "Statement", ""}, {"MsgBox", "Function", "Function", ""}};
        unit.Colours = &colours;
    }
    // The document and selection as the user left them: the caret tracker has
    // recorded the line of the selection start.
    void Place(const std::string& text, int start, int length) {
        unit.MainText.SetText(text);
        Select(start, length);
    }
    void Select(int start, int length) {
        unit.MainText.SetSelStart(start);
        unit.MainText.SetSelLength(length);
        unit.CurLine = unit.PrevLine = CurLineNum(unit.MainText, start);
    }
    // Each row: the text and selection afterwards, Busy clear, and one undo step back.
    void Run(void (*command)(MainUnit&), const std::vector<LineCommandRow>& rows) {
        for (const LineCommandRow& row : rows) {
            SCOPED_TRACE(row.name);
            Place(row.text, row.selStart, row.selLength);
            command(unit);
            EXPECT_EQ(unit.MainText.Text(), row.expectedText);
            EXPECT_EQ(unit.MainText.SelStart(), row.expectedSelStart);
            EXPECT_EQ(unit.MainText.SelLength(), row.expectedSelLength);
            EXPECT_FALSE(unit.Busy);
            EXPECT_TRUE(unit.MainText.Check());
            unit.MainText.Undo();
            EXPECT_EQ(unit.MainText.Text(), row.text);
        }
    }
    MainUnit unit;
    ColourSettings colours{0x0000FF, 0xFF0000, 0x008000};
};

}  // namespace tarnwick::testing
