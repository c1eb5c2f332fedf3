#include "completion/EditorTracker.h"

#include "CompletionTestSupport.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::Entry;
using testing::FakeMeasure;
using testing::TestUnit;
using testing::TypeKeys;

struct TrackerFixture {
    explicit TrackerFixture(const std::string& text = "") : t(text), tracker(t.unit, &measure) {
        tracker.mCopyClick = [this] { ran.push_back("copy"); };
        tracker.mCutClick = [this] { ran.push_back("cut"); };
        tracker.mPasteClick = [this] { ran.push_back("paste"); };
        tracker.mIndentClick = [this] { ran.push_back("indent"); };
        tracker.mOutdentClick = [this] { ran.push_back("outdent"); };
    }
    void Type(const std::string& keys) { TypeKeys(tracker, t.unit.MainText, keys); }
    EditorModel& Editor() { return t.unit.MainText; }
    void OpenList() { tracker.Lst().PlaceLB("FSO"); }
    void ShowSomeTip() {
        tracker.MainTextKeyPress('(');
        tracker.MainTextSelectionChange();
    }

    TestUnit t;
    FakeMeasure measure;
    EditorTracker tracker;
    std::vector<std::string> ran;
};

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{true, false, false};
constexpr KeyModifiers kCtrl{false, true, false};
constexpr KeyModifiers kCtrlShift{true, true, false};

TEST(EditorTracker, KeyTableWithTheListOpen) {
    // Up and Down move in the list; Enter accepts and goes on to break the line,
    // Escape only closes the list: neither is consumed.
    struct Row {
        int key;
        const char* text;
        bool tip;
    } rows[] = {{Key::Enter, "MsgBox fso.CreateFolder", false}, {Key::Escape, "MsgBox fso.", true}};
    for (const Row& row : rows) {
        TrackerFixture f("MsgBox fso.");
        f.ShowSomeTip();  // before the list opens: a "(" typed with the list open closes it
        ASSERT_TRUE(f.tracker.Tip().Visible);
        f.OpenList();
        EXPECT_TRUE(f.tracker.MainTextKeyDown(Key::Down, kNone));
        EXPECT_EQ(f.tracker.Lst().ItemIndex(), 0);
        EXPECT_TRUE(f.tracker.MainTextKeyDown(Key::Up, kNone));
        EXPECT_EQ(f.tracker.Lst().ItemIndex(), 5);
        EXPECT_TRUE(f.tracker.MainTextKeyDown(Key::Down, kNone));  // the last row wraps to the first
        EXPECT_EQ(f.Editor().SelStart(), 11) << "the caret does not move";
        EXPECT_FALSE(f.tracker.MainTextKeyDown(row.key, kNone)) << row.key;
        EXPECT_EQ(f.Editor().Text(), row.text);
        EXPECT_FALSE(f.tracker.Lst().IsOpen()) << row.key;
        EXPECT_EQ(f.tracker.Tip().Visible, row.tip) << row.key;
    }
}

TEST(EditorTracker, ListKeysAcceptAndThenTypeTheirCharacter) {
    struct Row {
        const char* key;
        const char* text;
        bool open;
    } rows[] = {
        {"\n", "fso.GetFile\r\n", false},
        {" ", "fso.GetFile ", false},
        {"(", "fso.GetFile(", false},
        {"9", "fso.GetFile9", false},
        {"'", "fso.GetFile'", false},
        {"\"", "fso.GetFile\"", false},
        {"\b", "fso.g", true},  // not right after the dot: only the letter goes
    };
    for (const Row& row : rows) {
        TrackerFixture f("fso.");
        f.OpenList();
        f.Type(std::string("ge") + row.key);
        EXPECT_EQ(f.Editor().Text(), row.text) << row.text;
        EXPECT_EQ(f.tracker.Lst().IsOpen(), row.open) << row.text;
    }
    TrackerFixture f("fso.");
    f.OpenList();
    f.Type("\b");  // right after the dot: the list closes and the dot goes
    EXPECT_EQ(f.Editor().Text(), "fso");
    EXPECT_FALSE(f.tracker.Lst().IsOpen());
}

TEST(EditorTracker, KeyTableWithTheListClosed) {
    struct Row {
        const char* name;
        int key;
        KeyModifiers modifiers;
        bool consumed;
        const char* command;
    } rows[] = {
        {"Down moves the caret", Key::Down, kNone, false, nullptr},
        {"Up moves the caret", Key::Up, kNone, false, nullptr},
        {"Enter", Key::Enter, kNone, false, nullptr},
        {"Ctrl+C", Key::C, kCtrl, true, "copy"},
        {"Ctrl+Shift+C also copies", Key::C, kCtrlShift, true, "copy"},
        {"C alone types", Key::C, kNone, false, nullptr},
        {"Ctrl+X", Key::X, kCtrl, true, "cut"},
        {"Ctrl+V", Key::V, kCtrl, true, "paste"},
        {"Tab", Key::Tab, kNone, true, "indent"},
        {"Shift+Tab", Key::Tab, kShift, true, "outdent"},
        {"Ctrl+Tab indents", Key::Tab, kCtrl, true, "indent"},
        {"Escape", Key::Escape, kNone, false, nullptr},
        {"Space", Key::Space, kNone, false, nullptr},
    };
    for (const Row& row : rows) {
        TrackerFixture f("x");
        EXPECT_EQ(f.tracker.MainTextKeyDown(row.key, row.modifiers), row.consumed) << row.name;
        EXPECT_EQ(f.ran, row.command ? std::vector<std::string>{row.command} : std::vector<std::string>{})
            << row.name;
    }
}

TEST(EditorTracker, TabNeverReachesTheText) {
    TrackerFixture f("x");
    f.Type("\t");
    EXPECT_EQ(f.Editor().Text(), "x");
    EXPECT_EQ(f.tracker.MainTextKeyPress('\t'), 0);
    EXPECT_EQ(f.tracker.LastChar(), 0);
    EXPECT_EQ(f.tracker.MainTextKeyPress('a'), 'a');
    EXPECT_EQ(f.tracker.LastChar(), 'a');
}

TEST(EditorTracker, PeriodReleaseRunsTheTypingPass) {
    TrackerFixture f("wscript.");
    f.tracker.MainTextKeyUp(Key::C, kNone);
    EXPECT_FALSE(f.tracker.Lst().IsOpen());
    f.tracker.MainTextKeyUp(Key::Period, kShift);  // ">" on many layouts
    EXPECT_TRUE(f.tracker.Lst().IsOpen());
    EXPECT_EQ(f.tracker.Lst().Rows().front().Name, "Arguments");
}

TEST(EditorTracker, StatusText) {
    TestUnit empty;
    EditorTracker fresh(empty.unit);
    EXPECT_EQ(fresh.StatusText(), "Line 1 of 1, Col 1");

    TrackerFixture f("ab\r\ncd\r\n");
    int told = 0;
    f.tracker.OnStatusChanged = [&] { ++told; };
    f.t.unit.PrevLine = 2;  // as if the tracker had followed the caret there
    f.Editor().SetSelStart(6);
    EXPECT_EQ(f.tracker.StatusText(), "Line 2 of 3, Col 3");
    EXPECT_EQ(told, 1);
    f.Editor().SetSelection(4, 5);  // a selection: nothing is updated
    EXPECT_EQ(f.tracker.StatusText(), "Line 2 of 3, Col 3");
    EXPECT_EQ(f.t.unit.PrevLine, 2);
    f.Editor().SetSelStart(5);
    EXPECT_EQ(f.tracker.StatusText(), "Line 2 of 3, Col 2");

    // Undo gives back a deleted line selected: the line count still follows, once the command is over.
    int stale = 0;
    f.tracker.OnStatusStale = [&] { ++stale; };
    f.Editor().SetSelection(0, 4);
    f.Editor().SetSelText("");
    EXPECT_EQ(f.tracker.StatusText(), "Line 1 of 2, Col 1");
    f.Editor().Undo();
    EXPECT_EQ(stale, 1);
    f.tracker.CatchUpStatus();
    EXPECT_EQ(f.tracker.StatusText(), "Line 1 of 3, Col 1");
}

TEST(EditorTracker, LeavingALineRecoloursItAndKeepsTheView) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "x=1\r\n";
    TrackerFixture f(text);
    EditorModel& editor = f.Editor();
    editor.SetSelStart(editor.LineIndex(79));  // the caret on line 80
    editor.SetFirstVisibleLine(10);
    const int waits = f.t.cursor.waits;
    f.OpenList();
    editor.SetSelStart(editor.LineIndex(11));  // a click on line 12, which is in view
    EXPECT_EQ(editor.Line(79), "x = 1") << "the line left is tidied";
    EXPECT_EQ(editor.Line(11), "x=1") << "the caret's line is not";
    EXPECT_EQ(editor.FirstVisibleLine(), 10) << "the view stays where it was";
    EXPECT_EQ(f.t.cursor.waits, waits + 1);
    EXPECT_FALSE(f.t.cursor.waiting);
    EXPECT_EQ(editor.SelStart(), editor.LineIndex(11));
    EXPECT_FALSE(f.tracker.Lst().IsOpen());
    EXPECT_EQ(f.t.unit.PrevLine, 12);
    EXPECT_EQ(f.tracker.StatusText(), "Line 12 of 101, Col 1");
}

TEST(EditorTracker, AfterASelectionTheLastProcessedLineIsRecoloured) {
    TrackerFixture f("x=1\r\ny=2\r\nz=3");
    EditorModel& editor = f.Editor();
    editor.SetSelStart(1);  // processed: line 1
    ASSERT_EQ(f.t.unit.PrevLine, 1);
    editor.SetSelection(1, editor.LineIndex(1) + 1);  // a drag down to line 2
    EXPECT_EQ(f.t.unit.CurLine, 1);
    EXPECT_EQ(f.t.unit.PrevLine, 1);
    editor.SetSelStart(editor.LineIndex(2));  // a click on line 3
    EXPECT_EQ(editor.Line(0), "x = 1") << "the line of the last processed change is recoloured";
    EXPECT_EQ(editor.Line(1), "y=2");
    EXPECT_EQ(f.t.unit.PrevLine, 3);
}

TEST(EditorTracker, BusyChangesAreIgnored) {
    TrackerFixture f("ab\r\ncd");
    f.t.unit.Busy = true;
    f.Editor().SetSelStart(1);
    EXPECT_EQ(f.t.unit.CurLine, 1);
    EXPECT_EQ(f.t.unit.PrevLine, 1);
    EXPECT_EQ(f.tracker.StatusText(), "Line 2 of 2, Col 3");  // from the start, not updated
}

TEST(EditorTracker, TypedTextStaysBlackOnItsLine) {
    TrackerFixture f("x");
    f.Editor().SetSelColour(0x00FF0000);
    f.Editor().SetSelStart(1);  // any caret move on the line makes the typing colour black
    f.Type("y");
    EXPECT_EQ(f.Editor().ColourAt(1), kBlack);
}

TEST(ParameterTip, CandidateOrderAndClosedCalls) {
    const SyntaxEntries table = testing::SmallSyntaxTable();
    const std::string msgBox = "MsgBox(prompt[, buttons][, title])";
    const std::string left = "Left(string, length)";
    struct Row {
        const char* name;
        std::string line;
        std::optional<std::string> tip;
    } rows[] = {
        {"innermost call", "MsgBox Left(", left},
        {"one call closed", "MsgBox Left(s, 2)", msgBox},
        {"both closed", "MsgBox Left(s, 2))", std::nullopt},
        {"a ) inside a string is not counted", "MsgBox Left(\")\"", left},
        {"a name inside a string gives no tip", "x = \"Left(", std::nullopt},
        {"a name inside a comment gives no tip", "x = 1 ' Left(", std::nullopt},
        {"no name with a parameter text", "x = y ", std::nullopt},
        {"name later in the line counts", "( Left", left},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ChooseTip(table, row.line, static_cast<int>(row.line.size())), row.tip) << row.name;
}

TEST(ParameterTip, CountsTheParenthesisJustAfterTheCaret) {
    // Each search covers column + 1 characters, so a ")" right after the caret counts.
    EXPECT_EQ(CountClosingParentheses("Left(a)", 6), 1);
    EXPECT_EQ(CountClosingParentheses("Left(a)", 5), 0);
    EXPECT_EQ(CountClosingParentheses("f(a) g(b) ", 10), 2);
}

TEST(ParameterTip, EqualColumnsByTipDescendingIgnoringCase) {
    std::vector<TAutoComplete> c = {{"beta", 3}, {"Alpha", 3}, {"Gamma", 9}, {"delta", 3}, {"x", 0}};
    OrderTipCandidates(c);
    const std::vector<TAutoComplete> expected = {{"Gamma", 9}, {"delta", 3}, {"beta", 3}, {"Alpha", 3}, {"x", 0}};
    EXPECT_EQ(c, expected);
}

TEST(ParameterTip, KeepsEveryCandidateOfALongLine) {
    SyntaxEntries table;
    std::string line;
    for (int i = 0; i < 30; ++i) {
        table.push_back(Entry("f" + std::to_string(i), "Function", "", "f" + std::to_string(i) + "(x)"));
        line += "f" + std::to_string(i) + "(";
    }
    EXPECT_EQ(CollectTipCandidates(table, line).size(), 30u);
    EXPECT_EQ(ChooseTip(table, line, static_cast<int>(line.size())), "f29(x)");
}

TEST(EditorTracker, TipBesideTheCaretAfterATrigger) {
    TrackerFixture f("MsgBox Left");
    int told = 0;
    f.tracker.OnTipChanged = [&] { ++told; };
    f.Type("(");
    const TipState& tip = f.tracker.Tip();
    ASSERT_TRUE(tip.Visible);
    EXPECT_EQ(tip.Text, " Left(string, length) ");
    EXPECT_EQ(tip.Width, 6 * 22 + 15);
    const Point caret = f.t.geometry.CaretPixelPosition();
    EXPECT_EQ(tip.Position, (Point{caret.x - 20, caret.y + 18}));
    EXPECT_EQ(told, 1);
}

TEST(EditorTracker, TipFollowsCaretMovesOnlyAfterATrigger) {
    TrackerFixture f("MsgBox Left(s, 2");
    f.Type(")");
    EXPECT_EQ(f.tracker.Tip().Text, " MsgBox(prompt[, buttons][, title]) ");  // a closed call: the one around it
    f.Editor().SetSelStart(12);  // by mouse, right after "Left("
    EXPECT_EQ(f.tracker.Tip().Text, " Left(string, length) ");
    f.Type("x");
    f.Editor().SetSelStart(18);
    EXPECT_EQ(f.tracker.Tip().Text, " Left(string, length) ") << "after a letter the tip stays";
}

TEST(EditorTracker, TriggerWithoutCandidateHidesTheTipAndCountsTheColumn) {
    TrackerFixture f("Lef");
    f.Type("t(");
    ASSERT_TRUE(f.tracker.Tip().Visible);
    f.Type("\b");
    EXPECT_TRUE(f.tracker.Tip().Visible);  // "Left" is still in the line
    f.Type("\b");
    EXPECT_FALSE(f.tracker.Tip().Visible);  // as after a ) that closes the last call
    f.Type(" ");
    EXPECT_FALSE(f.tracker.Tip().Visible);
    EXPECT_EQ(f.tracker.StatusText(), "Line 1 of 1, Col 5");
}

}  // namespace
}  // namespace tarnwick
