#include "commands/ClipboardCommands.h"

#include "editor/CaretPrimitives.h"
#include "tests/fakes/FakeClipboard.h"
#include "tests/fakes/FakeDialogs.h"
#include "tests/fakes/FakePrinter.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

class ClipboardCommands : public ::testing::Test {
protected:
    void SetUp() override {
        unit.SyntaxTable = {{"Dim", "Statement", "Statement", ""}, {"MsgBox", "Function", "Function", ""}};
        unit.Colours = &colours;
        unit.ClipboardPort = &clipboard;
        unit.PrinterPort = &printer;
    }
    void Select(int start, int length) {
        unit.MainText.SetSelStart(start);
        unit.MainText.SetSelLength(length);
    }
    MainUnit unit;
    ColourSettings colours{0x0000FF, 0xFF0000, 0x008000};
    fakes::FakeClipboard clipboard;
    fakes::FakePrinter printer;
};

TEST_F(ClipboardCommands, CopyAndCutWorkOnTheSelectionOnly) {
    unit.MainText.SetText("abc\r\ndef");
    clipboard.text = "old";
    mCopyClick(unit);  // nothing selected: nothing happens
    mCutClick(unit);
    EXPECT_EQ(clipboard.writes, 0);
    Select(2, 4);
    mCopyClick(unit);
    EXPECT_EQ(clipboard.text, "c\r\nd");
    EXPECT_EQ(unit.MainText.Text(), "abc\r\ndef");
    mCutClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "abef");
    mUndoClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "abc\r\ndef");
}

TEST_F(ClipboardCommands, PasteRecoloursEveryLineThatReceivedText) {
    unit.MainText.SetText("a\r\nb\r\nc\r\nline four\r\nz");
    clipboard.text = "dim x=1\r\nmsgbox x\ny=2 ";
    int start = FirstColumn(unit.MainText, 4) + 5;
    unit.MainText.SetSelStart(start);
    unit.CurLine = unit.PrevLine = 4;
    mPasteClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "a\r\nb\r\nc\r\nline Dim x = 1\r\nMsgBox x\r\ny = 2 four\r\nz");
    EXPECT_FALSE(unit.Busy);
    // The caret stands right after the pasted text, on the line it ended in.
    EXPECT_EQ(unit.MainText.SelStart(), FirstColumn(unit.MainText, 6) + 6);
    EXPECT_EQ(unit.PrevLine, 6);
    EXPECT_EQ(unit.MainText.ColourAt(FirstColumn(unit.MainText, 5)), colours.functions);
    // One undo step brings back the text as it was before the paste.
    mUndoClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "a\r\nb\r\nc\r\nline four\r\nz");
}

TEST_F(ClipboardCommands, PasteOfAnEmptyClipboardStillColoursTheCaretLine) {
    unit.MainText.SetText("dim a");
    unit.MainText.SetSelStart(5);
    mPasteClick(unit);
    EXPECT_EQ(unit.MainText.Text(), "Dim a");
    EXPECT_EQ(unit.MainText.SelStart(), 5);
}

TEST_F(ClipboardCommands, GoToLine) {
    unit.MainText.SetText("one\r\ntwo\r\nthree");
    GoToLine(unit, "3");
    EXPECT_EQ(unit.MainText.SelStart(), 10);
    unit.MainText.SetSelStart(6);
    GoToLine(unit, "0");  // the start of the caret's own line
    EXPECT_EQ(unit.MainText.SelStart(), 5);
    GoToLine(unit, "99");  // no such line: the caret stays
    EXPECT_EQ(unit.MainText.SelStart(), 5);
    for (const char* bad : {"Enter Ln", "", "12a", "99999999999"}) {
        try {
            GoToLine(unit, bad);
            ADD_FAILURE() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(FilterGotoCharacter('7'), '7');
    EXPECT_EQ(FilterGotoCharacter(8), 8);
    EXPECT_EQ(FilterGotoCharacter(13), 13);
    EXPECT_EQ(FilterGotoCharacter('-'), 0);
    EXPECT_EQ(FilterGotoCharacter('a'), 0);
}

TEST_F(ClipboardCommands, PrintGivesTheFileNameAsTitle) {
    mPrintClick(unit);
    unit.CurrentFileName = "/tmp/a b.vbs";
    mPrintClick(unit);
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].title, "");
    EXPECT_EQ(printer.jobs[1].title, "/tmp/a b.vbs");
}

// Without a printer the printout goes to a PDF file the user names, the script's name suggested.
TEST_F(ClipboardCommands, PrintWithoutAPrinterAsksWhereThePdfGoes) {
    fakes::FakeDialogs dialogs;
    unit.Dialogs = &dialogs;
    printer.installed = false;
    for (const char* script : {"/tmp/a b.vbs", "/tmp/v1.2/Backup", ""}) {
        unit.CurrentFileName = script;
        dialogs.ChooseSave("/out/printout");
        mPrintClick(unit);
        EXPECT_EQ(printer.jobs.back().pdfPath, "/out/printout.pdf");
    }
    const std::vector<std::string> asked{"Print to PDF|/tmp/a b.pdf", "Print to PDF|/tmp/v1.2/Backup.pdf",
                                         "Print to PDF|Untitled.pdf"};
    EXPECT_EQ(dialogs.exports, asked);
}

}  // namespace
}  // namespace tarnwick
