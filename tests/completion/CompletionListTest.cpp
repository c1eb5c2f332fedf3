#include "completion/CompletionList.h"

#include "CompletionTestSupport.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using testing::Entry;
using testing::TestUnit;

struct BusyProbe : EditorObserver {
    explicit BusyProbe(const MainUnit& u) : unit(u) {}
    void SelectionChanged() override { (unit.Busy ? busy : idle)++; }
    const MainUnit& unit;
    int busy = 0;
    int idle = 0;
};

// A list of the "FSO" members after the text, the caret at its end.
struct ListFixture {
    explicit ListFixture(const std::string& text) : t(text), list(t.unit) {}
    void Open() { list.PlaceLB("FSO"); }
    std::string Text() const { return t.unit.MainText.Text(); }
    TestUnit t;
    CompletionList list;
};

TEST(CompletionList, RowsSortedWithTheirIcons) {
    TestUnit t;
    t.unit.SyntaxTable = {Entry("GetFile", "FSO", "Function"), Entry("Drives", "FSO", "Property"),
                          Entry("build", "fso", "function"), Entry("Echo", "Wscript", "Function"),
                          Entry("ADD", "Fso", "Function")};
    CompletionList list(t.unit);
    list.PlaceLB("FSO");
    const std::vector<CompletionRow> expected = {{"ADD", RowIcon::Function},
                                                 {"build", RowIcon::Property},  // TypeB compared exactly
                                                 {"Drives", RowIcon::Property},
                                                 {"GetFile", RowIcon::Function}};
    EXPECT_EQ(list.Rows(), expected);
    EXPECT_TRUE(list.IsOpen());
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(CompletionList, SizeByRows) {
    // The measured width counts only where it is wider than the design's 137.
    struct Row {
        int rows;
        int height;
        int width;
    } rows[] = {{1, 10, 137}, {3, 50, 137}, {8, 150, 180}, {9, 170, 190}, {40, 170, 500}};
    for (const Row& row : rows) {
        TestUnit t;
        t.unit.SyntaxTable.clear();
        for (int i = 0; i < row.rows; ++i) t.unit.SyntaxTable.push_back(Entry("m" + std::to_string(i), "FSO"));
        CompletionList list(t.unit);
        list.MeasureWidth = [](const CompletionList::SharedRows& shown) { return 100 + 10 * int(shown->size()); };
        list.PlaceLB("fso");
        EXPECT_EQ(list.Height(), row.height) << row.rows << " rows";
        EXPECT_EQ(list.Width(), row.width) << row.rows << " rows";
    }
}

TEST(CompletionList, PlacedBelowAndLeftOfTheCaretInWindowCoordinates) {
    ListFixture f("ab\r\nfso.");  // caret: line 1, column 4
    f.list.MapToWindow = [](Point p) { return Point{p.x + 100, p.y + 30}; };
    f.Open();
    const Point caret = f.t.geometry.CaretPixelPosition();
    EXPECT_EQ(f.list.Position(), (Point{caret.x + 100 - 20, caret.y + 30 + 18}));
}

TEST(CompletionList, TypeWithoutEntriesStaysClosed) {
    ListFixture f("x.");
    f.Open();
    ASSERT_TRUE(f.list.IsOpen());
    f.list.PlaceLB("WshNetwork.Nothing");
    EXPECT_FALSE(f.list.IsOpen());
    EXPECT_TRUE(f.list.Rows().empty());
}

TEST(CompletionList, NextAndPreviousWrapAround) {
    ListFixture f("fso.");
    f.Open();
    const int last = static_cast<int>(f.list.Rows().size()) - 1;
    f.list.Previous();  // nothing selected: the last row
    EXPECT_EQ(f.list.ItemIndex(), last);
    f.list.Next();  // from the last to the first
    EXPECT_EQ(f.list.ItemIndex(), 0);
    f.list.Previous();  // from the first to the last
    EXPECT_EQ(f.list.ItemIndex(), last);
    f.list.SetItemIndex(-1);
    f.list.Next();
    EXPECT_EQ(f.list.ItemIndex(), 0);
}

TEST(CompletionList, FollowsThePrefixTypedAfterTheDot) {
    ListFixture f("fso.");
    f.Open();
    auto type = [&](const char* s) {
        f.t.unit.MainText.TypeText(s);
        f.list.FollowPrefix();
        return f.list.ItemIndex() < 0 ? std::string() : f.list.Rows()[f.list.ItemIndex()].Name;
    };
    EXPECT_EQ(type(""), "CreateFolder");  // empty prefix: the first row
    EXPECT_EQ(type("ge"), "GetFile");
    EXPECT_EQ(type("q"), "GetFile");  // no row begins with "geq": the selection stays
    EXPECT_EQ(f.list.Rows().size(), 6u);  // the list never narrows
}

TEST(CompletionList, AcceptWritesTheNameOverTheTextAfterTheDot) {
    struct Row {
        const char* name;
        std::string before;  // the caret stands at the "|"
        std::string after;
    } rows[] = {
        {"prefix at the line's end", "x = 1\r\nfso.Cr|\r\nnext", "x = 1\r\nfso.CreateTextFile\r\nnext"},
        {"name characters after the prefix", "fso.Cr|eate0123456789 rest", "fso.CreateTextFile rest"},
        {"never past the line's end", "fso.Cr|ab\r\nkeep", "fso.CreateTextFile\r\nkeep"},
        {"never a comma, bracket or what follows", "Split(fso.Cr|ea, x)", "Split(fso.CreateTextFile, x)"},
    };
    for (const Row& row : rows) {
        const size_t bar = row.before.find('|');
        ListFixture f(row.before.substr(0, bar) + row.before.substr(bar + 1));
        f.t.unit.MainText.SetSelStart(static_cast<int>(bar));
        f.Open();
        f.list.FollowPrefix();
        ASSERT_EQ(f.list.Rows()[f.list.ItemIndex()].Name, "CreateFolder");
        f.list.Next();  // CreateTextFile
        BusyProbe probe(f.t.unit);
        f.t.unit.MainText.AddObserver(&probe);
        f.list.LstKeyDown(13);
        f.t.unit.MainText.RemoveObserver(&probe);
        EXPECT_EQ(f.Text(), row.after) << row.name;
        EXPECT_EQ(f.t.unit.MainText.SelStart(), static_cast<int>(row.after.find("File")) + 4) << row.name;
        EXPECT_FALSE(f.list.IsOpen());
        EXPECT_FALSE(f.t.unit.Busy);
        EXPECT_GT(probe.busy, 0);
        EXPECT_EQ(probe.idle, 0) << "every caret move of the insertion happens under Busy";
    }
}

TEST(CompletionList, AcceptingKeysAndDoubleClick) {
    for (int key : {13, 32, 57, 222}) {
        ListFixture f("fso.ge");
        f.Open();
        f.list.FollowPrefix();
        f.list.LstKeyDown(key);
        EXPECT_EQ(f.Text(), "fso.GetFile") << key;
        EXPECT_FALSE(f.list.IsOpen());
    }
    ListFixture f("fso.dr");
    f.Open();
    f.list.FollowPrefix();
    int focused = 0;
    f.list.FocusEditor = [&] { ++focused; };
    f.list.LstDblClick();
    EXPECT_EQ(f.Text(), "fso.Drives");
    EXPECT_EQ(focused, 1);
    ListFixture other("fso.");
    other.Open();
    other.list.LstKeyDown(65);  // any other key does nothing
    EXPECT_TRUE(other.list.IsOpen());
}

TEST(CompletionList, AcceptWithoutSelectionOnlyCloses) {
    ListFixture f("fso.x");
    f.Open();
    f.list.LstKeyDown(32);
    EXPECT_EQ(f.Text(), "fso.x");
    EXPECT_FALSE(f.list.IsOpen());
}

TEST(CompletionList, DotOnAnEarlierLineIsNoPrefix) {
    // The caret was moved to a line without a dot in front of it: nothing
    // is overwritten across the line break.
    ListFixture f("fso.\r\nab");
    f.Open();
    f.list.Next();
    f.list.FollowPrefix();
    EXPECT_EQ(f.list.ItemIndex(), 0);
    f.list.LstKeyDown(13);
    EXPECT_EQ(f.Text(), "fso.\r\nab");
    EXPECT_FALSE(f.list.IsOpen());
}

TEST(CompletionList, BackspaceRightAfterTheDotCloses) {
    ListFixture f("fso.c");
    f.Open();
    f.list.LstKeyDown(8);
    EXPECT_TRUE(f.list.IsOpen());
    f.t.unit.MainText.DeleteBackward();
    f.list.LstKeyDown(8);
    EXPECT_FALSE(f.list.IsOpen());
}

TEST(CompletionList, TellsItsObserver) {
    ListFixture f("fso.");
    int changes = 0;
    f.list.OnChanged = [&] { ++changes; };
    f.Open();
    f.list.Next();
    f.list.Close();
    f.list.Close();  // already closed: no news
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace tarnwick
