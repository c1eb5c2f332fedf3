#include "editor/CaretPrimitives.h"
#include "editor/EditorModel.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace tarnwick {
namespace {

// Counts the notifications and records the selection as each one saw it.
struct Recorder : EditorObserver {
    explicit Recorder(EditorModel& m) : model(m) { model.AddObserver(this); }
    ~Recorder() override { model.RemoveObserver(this); }
    void SelectionChanged() override {
        ++selectionChanges;
        seenStarts.push_back(model.SelStart());
    }
    void ViewChanged() override { ++viewChanges; }
    EditorModel& model;
    int selectionChanges = 0;
    int viewChanges = 0;
    std::vector<int> seenStarts;
};

TEST(EditorModel, PositionsCountABreakAsTwoCharacters) {
    EditorModel m;
    m.SetText("ab\r\ncd");
    EXPECT_EQ(FirstColumn(m, 2), 4);
    EXPECT_EQ(CurLineLen(m, 4), 2);
    EXPECT_EQ(CurLineNum(m, 4), 2);
    EXPECT_EQ(CurLineNum(m, 2), 1);  // on the CR: the line before
    EXPECT_EQ(CurLineNum(m, 3), 1);  // between CR and LF: the line before
    EXPECT_EQ(FirstColumn(m, 3), -1);
    EXPECT_EQ(FirstColumn(m, 1), 0);
    m.SetSelStart(4);
    EXPECT_EQ(CurColumn(m), 1);
    EXPECT_EQ(FirstColumn(m, 0), 4);  // the caret's own line
    m.SetSelStart(6);
    EXPECT_EQ(CurColumn(m), 3);
}

TEST(EditorModel, EmptyDocumentHasOneLineForTheMessagesAndNoneInTheList) {
    EditorModel m;
    EXPECT_EQ(CurLineNum(m, 0), 1);
    EXPECT_EQ(CurLineLen(m, 0), 0);
    EXPECT_EQ(m.LineCount(), 0);
    EXPECT_EQ(m.BreakCount() + 1, 1);
    m.SetText("a\r\n");
    EXPECT_EQ(m.LineCount(), 1);  // a final empty line is not counted
    EXPECT_EQ(m.BreakCount() + 1, 2);
    EXPECT_EQ(FirstColumn(m, 2), 3);
    EXPECT_EQ(FirstColumn(m, 3), -1);
}

TEST(EditorModel, PlainLoadTakesEveryKindOfBreakAndKeepsEveryByte) {
    EditorModel m;
    std::string bytes = std::string("a\r\nb\rc\nd\0e\xE9\x80\xFF", 13);
    m.LoadFromBytes(bytes);
    EXPECT_EQ(m.Text(), std::string("a\r\nb\r\nc\r\nd\0e\xE9\x80\xFF", 15));
    EXPECT_EQ(m.LineCount(), 4);
    EXPECT_EQ(m.Line(3), std::string("d\0e\xE9\x80\xFF", 6));
    EXPECT_TRUE(m.Check());
}

TEST(EditorModel, CrLfFileComesBackByteForByte) {
    EditorModel m;
    std::string file = "Option Explicit\r\n\r\nDim s\t' caf\xE9\r\ns = \"a\0b\"\r\n";
    file.insert(file.find("a") + 1, 1, '\0');
    m.LoadFromBytes(file);
    EXPECT_EQ(m.Text(), file);
}

TEST(EditorModel, LinesAreReturnedWhole) {
    EditorModel m;
    std::string longLine(10000, 'x');
    m.SetText(longLine + "\r\nend");
    EXPECT_EQ(m.Line(0), longLine);
    m.SetLine(0, longLine + "y");
    EXPECT_EQ(m.Line(0).size(), 10001u);
    EXPECT_EQ(m.Line(1), "end");
}

TEST(EditorModel, WritingALineReplacesItsTextNotItsBreak) {
    EditorModel m;
    m.SetText("one\r\ntwo\r\nthree");
    Recorder r(m);
    m.SetLine(1, "2");
    EXPECT_EQ(m.Text(), "one\r\n2\r\nthree");
    EXPECT_EQ(m.SelStart(), 6);  // the caret ends after the new text
    EXPECT_GE(r.selectionChanges, 1);
    EXPECT_TRUE(m.Check());
}

TEST(EditorModel, EverySelectionWriteNotifiesBeforeReturning) {
    EditorModel m;
    m.SetText("hello world");
    Recorder r(m);
    m.SetSelStart(3);
    ASSERT_EQ(r.selectionChanges, 1);
    EXPECT_EQ(r.seenStarts.back(), 3);
    m.SetSelLength(2);
    EXPECT_EQ(r.selectionChanges, 2);
    m.SetSelText("XY");
    EXPECT_EQ(r.selectionChanges, 3);
    EXPECT_EQ(m.Text(), "helXY world");
    m.BeginUpdate();
    m.SetSelStart(0);  // inside an update bracket too
    EXPECT_EQ(r.selectionChanges, 4);
    int views = r.viewChanges;
    m.EndUpdate();
    EXPECT_GT(r.viewChanges, views);
}

TEST(EditorModel, SelTextTakesTheColourOfTheFirstReplacedCharacter) {
    EditorModel m;
    m.SetText("dim x");
    m.SetSelStart(0);
    m.SetSelLength(3);
    m.SetSelColour(0x800000);
    m.SetSelText("Dim");
    EXPECT_EQ(m.Text(), "Dim x");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(m.ColourAt(i), 0x800000u);
    EXPECT_EQ(m.ColourAt(3), kWindowTextColour);
    // With an empty selection the typing colour applies.
    m.SetSelStart(5);
    m.SetSelColour(kBlack);
    m.SetSelText("yz");
    EXPECT_EQ(m.ColourAt(5), kBlack);
    EXPECT_EQ(m.ColourAt(6), kBlack);
}

TEST(EditorModel, SelectionPolicyAtALineBreak) {
    EditorModel m;
    m.SetText("ab\r\ncd");
    m.SetSelStart(3);  // between CR and LF: onto the CR
    EXPECT_EQ(m.SelStart(), 2);
    m.SetSelStart(0);
    m.SetSelLength(3);  // a selection ending inside the break takes all of it
    EXPECT_EQ(m.SelLength(), 4);
    m.SetSelStart(99);
    EXPECT_EQ(m.SelStart(), 6);
    m.SetSelStart(-5);
    EXPECT_EQ(m.SelStart(), 0);
}

TEST(EditorModel, TypingAndDeletingTreatABreakAsOneUnit) {
    EditorModel m;
    m.TypeText("ab");
    m.TypeText("\r");
    m.TypeText("c");
    EXPECT_EQ(m.Text(), "ab\r\nc");
    m.SetSelStart(4);
    m.DeleteBackward();
    EXPECT_EQ(m.Text(), "abc");
    m.SetSelStart(2);
    m.TypeText("\n");
    m.SetSelStart(2);
    m.DeleteForward();
    EXPECT_EQ(m.Text(), "abc");
    EXPECT_TRUE(m.Check());
}

TEST(EditorModel, UndoRevertsTypingRunsAndGroupsAsOneStepEach) {
    EditorModel m;
    m.SetText("x");
    m.SetSelStart(1);
    for (char c : std::string("yz")) m.TypeText(std::string(1, c));
    m.DeleteBackward();  // at the end of the text as well as before other text: still the typing run
    m.TypeText("z");
    {
        UndoGroup group(m);
        m.SetSelStart(0);
        m.SetSelLength(1);
        m.SetSelColour(0xFF);
        m.SetSelText("X");
        m.SetSelStart(3);
        m.SetSelText("!");
    }
    EXPECT_EQ(m.Text(), "Xyz!");
    m.Undo();
    EXPECT_EQ(m.Text(), "xyz");
    EXPECT_EQ(m.ColourAt(0), kWindowTextColour);
    m.Undo();
    EXPECT_EQ(m.Text(), "x");
    EXPECT_FALSE(m.CanUndo());
    m.Redo();
    m.Redo();
    EXPECT_EQ(m.Text(), "Xyz!");
    EXPECT_EQ(m.ColourAt(0), 0xFFu);
    // Recoloured while the command waits for redo: redone and undone again, the character keeps that colour.
    m.Undo();
    m.SetSelStart(0);
    m.SetSelLength(1);
    m.SetSelColour(0xAA);
    m.Redo();
    m.Undo();
    EXPECT_EQ(m.ColourAt(0), 0xAAu);
    // Typing the very character that is selected is an edit of its own, which Undo takes back with the colour.
    m.ClearUndo();
    m.SetSelStart(0);
    m.SetSelLength(1);
    m.TypeText("x");
    EXPECT_TRUE(m.CanUndo());
    m.Undo();
    EXPECT_EQ(m.ColourAt(0), 0xAAu);
    // Typing over a selection that ends where the typing run ended starts a step of its own.
    m.SetText("");
    for (char c : std::string("abc")) m.TypeText(std::string(1, c));
    m.SetSelStart(0);
    m.SetSelLength(3);
    m.TypeText("x");
    m.Undo();
    EXPECT_EQ(m.Text(), "abc");
    EXPECT_TRUE(m.Check());
}

TEST(EditorModel, FindTextHonoursWholeWordAndAnsiCaseFolding) {
    EditorModel m;
    m.SetText("Caf\xC9 redim Dim dim2 caf\xE9");
    EXPECT_EQ(m.FindText("dim", 0, -1, {}), 7);
    EXPECT_EQ(m.FindText("dim", 0, -1, {.wholeWord = true}), 11);
    EXPECT_EQ(m.FindText("dim", 0, -1, {.wholeWord = true, .matchCase = true}), -1);
    EXPECT_EQ(m.FindText("caf\xE9", 0, -1, {}), 0);
    EXPECT_EQ(m.FindText("caf\xE9", 0, -1, {.matchCase = true}), 20);
    EXPECT_EQ(m.FindText("dim", 12, 5, {}), -1);  // the match must lie inside the range
    EXPECT_EQ(m.FindText("dim", 12, std::numeric_limits<int>::max(), {}), 15);  // a length past the end reaches the end
    EXPECT_EQ(m.FindText("", 0, -1, {}), -1);
}

TEST(EditorModel, ViewStateScrollsByLinesAndBringsTheCaretIntoView) {
    EditorModel m;
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line\r\n";
    m.SetText(text);
    m.LineScroll(10);
    EXPECT_EQ(m.FirstVisibleLine(), 10);
    m.LineScroll(-20);
    EXPECT_EQ(m.FirstVisibleLine(), 0);
    m.SetSelStart(FirstColumn(m, 80));
    EXPECT_LE(m.FirstVisibleLine(), 79);
    EXPECT_GT(m.FirstVisibleLine() + 33, 79);
}

// A random run of edits, colourings, undos and redos against a plain string
// reference; undo and redo must also bring back every colour.
TEST(EditorModel, RandomEditsAgreeWithAStringReference) {
    std::mt19937 random(20261208);
    EditorModel m;
    struct Snapshot {
        std::string text;
        std::vector<Colour> colours;
    };
    std::vector<Snapshot> history{{"", {}}};
    std::vector<Snapshot> future;
    const std::string pieces[] = {"a", "b\r\n", "\r\n", "xyz", "", "\t", "\xE9"};
    for (int step = 0; step < 5000; ++step) {
        int action = static_cast<int>(random() % 12);
        int length = m.Length();
        if (action < 8) {
            m.SetSelStart(static_cast<int>(random() % (length + 1)));
            m.SetSelLength(static_cast<int>(random() % 4));
            std::string before = m.Text();
            if (action < 2) {
                m.SetSelColour(static_cast<Colour>(random() % 3));
            } else {
                const std::string& piece = pieces[random() % std::size(pieces)];
                int start = m.SelStart();
                int removed = m.SelLength();
                m.SetSelText(piece);
                before.replace(start, removed, piece);
                ASSERT_EQ(m.Text(), before) << "step " << step;
            }
            if (m.Text() != history.back().text) {
                history.push_back({m.Text(), m.Colours()});
                future.clear();
            } else if (m.Colours() != history.back().colours) {
                // A change of colours alone joins the step before it; the
                // reference stops redoing, as its later snapshots hold old colours.
                history.back().colours = m.Colours();
                future.clear();
            }
        } else if (action < 10 && history.size() > 1) {
            m.Undo();
            future.push_back(history.back());
            history.pop_back();
        } else if (!future.empty()) {
            m.Redo();
            history.push_back(future.back());
            future.pop_back();
        }
        ASSERT_EQ(m.Text(), history.back().text) << "step " << step;
        ASSERT_EQ(m.Colours(), history.back().colours) << "step " << step;
        ASSERT_TRUE(m.Check()) << "step " << step;
    }
}

}  // namespace
}  // namespace tarnwick
