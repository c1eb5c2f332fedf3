#include "completion/EditorTracker.h"

#include "CompletionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

using testing::FakeMeasure;
using testing::TestUnit;
using testing::TypeKeys;

// The whole road at core level: each key goes through key down, the
// character, the model's insertion (whose selection change the tracker
// handles) and key up, as the editor widget sends them.
struct Road {
    Road() : tracker(t.unit, &measure) {}
    void Type(const std::string& keys) { TypeKeys(tracker, t.unit.MainText, keys); }
    std::string Text() const { return t.unit.MainText.Text(); }
    std::string Selected() const {
        const CompletionList& list = tracker.Lst();
        return list.ItemIndex() < 0 ? std::string() : list.Rows()[list.ItemIndex()].Name;
    }
    TestUnit t;
    FakeMeasure measure;
    EditorTracker tracker;
};

TEST(RoadOfTyping, CreationThenMemberCompletion) {
    Road road;
    road.Type("set fso=CreateObject(");
    EXPECT_EQ(road.tracker.Tip().Text, " CreateObject(servername.typename [, location]) ");
    road.Type("\"Scripting.FileSystemObject\")");
    EXPECT_FALSE(road.tracker.Lst().IsOpen()) << "the dot inside the class name opens nothing";
    EXPECT_EQ(DisplayedColour(road.t.unit.MainText.ColourAt(0)), kBlack) << "text stays black while typed";
    EXPECT_EQ(road.t.unit.MainText.ColourAt(10), kBlack);

    road.Type("\n");
    const std::string line1 = "Set fso = CreateObject(\"Scripting.FileSystemObject\")";
    EXPECT_EQ(road.Text(), line1 + "\r\n");
    EXPECT_EQ(road.tracker.StatusText(), "Line 2 of 2, Col 1");
    EXPECT_FALSE(road.tracker.Tip().Visible);
    EXPECT_GE(road.t.cursor.waits, 1);
    EXPECT_FALSE(road.t.cursor.waiting);
    const ColourSettings colours;
    EXPECT_EQ(road.t.unit.MainText.ColourAt(0), colours.statements);   // Set
    EXPECT_EQ(road.t.unit.MainText.ColourAt(10), colours.functions);   // CreateObject
    EXPECT_EQ(road.t.unit.MainText.ColourAt(4), kBlack);               // fso

    road.Type("fso.");
    ASSERT_TRUE(road.tracker.Lst().IsOpen());
    EXPECT_EQ(road.tracker.Lst().Rows().size(), 6u);
    road.Type("createt");
    EXPECT_EQ(road.Selected(), "CreateTextFile");
    road.Type("\n");
    EXPECT_EQ(road.Text(), line1 + "\r\nfso.CreateTextFile\r\n");
    EXPECT_FALSE(road.tracker.Lst().IsOpen());
    EXPECT_EQ(road.tracker.StatusText(), "Line 3 of 3, Col 1");
    EXPECT_FALSE(road.t.unit.Busy);
    EXPECT_TRUE(road.t.unit.MainText.Check());
}

TEST(RoadOfTyping, ShellCreationTypedKeyByKeyKeepsItsText) {
    Road road;
    const std::string line = "Set sh = WScript.CreateObject(\"WScript.Shell\")";
    road.Type("Set sh = WScript.");
    ASSERT_TRUE(road.tracker.Lst().IsOpen());
    road.Type("CreateObject");
    EXPECT_EQ(road.Selected(), "CreateObject");
    road.Type("(\"WScript.");
    EXPECT_FALSE(road.tracker.Lst().IsOpen()) << "no list inside the class name";
    road.Type("Shell\")");
    EXPECT_EQ(road.Text(), line);
    EXPECT_EQ(road.tracker.StatusText(), "Line 1 of 1, Col " + std::to_string(line.size() + 1));
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {
namespace {

// The whole road with the shipped table is the real window's (TypingRoadTest).
TEST(RoadOfTyping, NameHoldingRemOpensItsList) {
    Road road;
    road.t.unit.SyntaxTable = LoadSyntaxTable(TARNWICK_SOURCE_DIR "/data/syntax.ini");
    road.Type("Set objRemote = CreateObject(\"Scripting.FileSystemObject\")\nobjRemote.");
    EXPECT_EQ(road.Text(), "Set objRemote = CreateObject(\"Scripting.FileSystemObject\")\r\nobjRemote.");
    ASSERT_TRUE(road.tracker.Lst().IsOpen());
    EXPECT_NE(std::find(road.tracker.Lst().Rows().begin(), road.tracker.Lst().Rows().end(),
                        CompletionRow{"CreateTextFile", RowIcon::Function}),
              road.tracker.Lst().Rows().end());
}

}  // namespace
}  // namespace tarnwick
