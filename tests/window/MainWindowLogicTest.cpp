#include "documents/DocumentFiles.h"
#include "fakes/FakeBoxes.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileWriter.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"
#include "window/MainWindowLogic.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using fakes::FakeBoxes;
using fakes::FakeDialogs;
using fakes::FakeSettingsStore;
using testing::TempDir;

// Records every edge set, in order.
class FakeFrame : public MainWindowFrame {
public:
    int left = 282, top = 118, width = 672, height = 580;
    std::vector<std::string> calls;
    int hides = 0;

    int OuterLeft() const override { return left; }
    int OuterTop() const override { return top; }
    int OuterWidth() const override { return width; }
    int OuterHeight() const override { return height; }
    void SetOuterLeft(int v) override { calls.push_back("left " + std::to_string(left = v)); }
    void SetOuterTop(int v) override { calls.push_back("top " + std::to_string(top = v)); }
    void SetOuterWidth(int v) override { calls.push_back("width " + std::to_string(width = v)); }
    void SetOuterHeight(int v) override { calls.push_back("height " + std::to_string(height = v)); }
    void HideSecondaryWindows() override { ++hides; }
};

TEST(StoredGeometry, AppliesLeftTopWidthHeightAndLeftAgainThenTheFont) {
    FakeSettingsStore store;
    store.values = {{"Left", "-4"}, {"Top", "20"}, {"Width", "800"}, {"Height", "600"},
                    {"FontName", "Lucida Console"}, {"FontSize", "12"}};
    FakeFrame frame;
    MainUnit unit;
    ApplyStoredGeometryAndFont(store, frame, unit);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"left -4", "top 20", "width 800", "height 600", "left -4"}));
    EXPECT_EQ(store.reads, (std::vector<std::string>{"Left", "Top", "Width", "Height", "Left", "FontName", "FontSize"}));
    EXPECT_EQ(store.readOpens, 1);
    EXPECT_EQ(unit.MainText.FontName(), "Lucida Console");
    EXPECT_EQ(unit.MainText.FontSize(), 12);
}

TEST(StoredGeometry, MissingOrInvalidValuesLeaveTheDesignValues) {
    struct Row {
        const char* name;
        std::map<std::string, std::string> values;
        std::vector<std::string> calls;
    };
    const Row rows[] = {
        {"no key", {}, {}},
        {"not integers", {{"Left", "12px"}, {"Top", ""}, {"Width", "wide"}, {"FontSize", "big"}}, {}},
        {"only top", {{"Top", "7"}}, {"top 7"}},
        {"empty font name", {{"FontName", ""}}, {}},
        {"hexadecimal, a megabyte of digits, sizes beyond any font",
         {{"Left", "$10"}, {"Top", "0x10"}, {"Width", std::string(1 << 20, '9')}, {"Height", "-2147483649"},
          {"FontSize", "2147483647"}}, {}},
        {"a negative font size", {{"FontSize", "-12"}}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeSettingsStore store;
        store.values = row.values;
        store.keyExists = !row.values.empty();
        FakeFrame frame;
        MainUnit unit;
        ApplyStoredGeometryAndFont(store, frame, unit);
        EXPECT_EQ(frame.calls, row.calls);
        EXPECT_EQ(unit.MainText.FontName(), "Courier New");
        EXPECT_EQ(unit.MainText.FontSize(), 10);
    }
}

class CloseStepTest : public ::testing::Test {
protected:
    CloseStepTest() {
        unit.Boxes = &boxes;
        unit.Dialogs = &dialogs;
        unit.Settings = &store;
        unit.Files = &writer;
        scratch = dir.Write("rundefault080.vbs", "scratch");
        frame.left = -8;
    }
    CloseDecision Close() { return CloseStep(unit, files, frame, scratch); }
    void Change() { unit.MainText.TypeText("changed"); }

    TempDir dir;
    MainUnit unit;
    FakeBoxes boxes;
    FakeDialogs dialogs;
    FakeSettingsStore store;
    fakes::FakeFileWriter writer;
    FakeFrame frame;
    DocumentFiles files{unit, nullptr};
    std::string scratch;
};

TEST_F(CloseStepTest, UnchangedDocumentClosesWithoutAQuestionAndDeletesTheScratchScript) {
    EXPECT_EQ(Close(), CloseDecision::Close);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_EQ(frame.hides, 1);
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Left", "Top", "Width", "Height"}));
    EXPECT_EQ(store.values["Left"], "-8");
    EXPECT_EQ(store.values["Height"], "580");
}

TEST_F(CloseStepTest, AMissingScratchScriptIsNoError) {
    fs::remove(scratch);
    EXPECT_EQ(Close(), CloseDecision::Close);
}

TEST_F(CloseStepTest, CancelRefusesTheCloseButTheGeometryIsStored) {
    Change();
    boxes.Answer(Answer::Cancel);
    EXPECT_EQ(Close(), CloseDecision::Refuse);
    EXPECT_EQ(boxes.Questions(), std::vector<std::string>{"Save the changes to this document?"});
    EXPECT_EQ(store.writes.size(), 4u);
    EXPECT_TRUE(fs::exists(scratch));
    EXPECT_EQ(frame.hides, 0);
    EXPECT_EQ(unit.MainText.Text(), "changed");
}

TEST_F(CloseStepTest, NoClosesLikeTheUnchangedPath) {
    Change();
    boxes.Answer(Answer::No);
    EXPECT_EQ(Close(), CloseDecision::Close);
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_EQ(frame.hides, 1);
}

TEST_F(CloseStepTest, YesSavesThenClosesKeepingTheScratchScript) {
    Change();
    boxes.Answer(Answer::Yes);
    dialogs.ChooseSave(dir.File("saved.vbs"));
    EXPECT_EQ(Close(), CloseDecision::Close);
    EXPECT_EQ(TempDir::Read(dir.File("saved.vbs")), "changed");
    EXPECT_TRUE(fs::exists(scratch));
    EXPECT_EQ(frame.hides, 0);
}

TEST_F(CloseStepTest, YesWithTheSaveDialogCancelledKeepsTheWindowOpen) {
    Change();
    boxes.Answer(Answer::Yes);
    dialogs.ChooseSave(std::nullopt);
    EXPECT_EQ(Close(), CloseDecision::Refuse);
    EXPECT_EQ(unit.MainText.Text(), "changed");
}

TEST_F(CloseStepTest, YesWithAFailingSaveThrowsSoTheWindowStaysOpen) {
    Change();
    boxes.Answer(Answer::Yes);
    dialogs.ChooseSave(dir.File("x.vbs"));
    writer.failure = "No space left on device";
    try {
        Close();
        ADD_FAILURE() << "the close must fail";
    } catch (const Error& failure) {
        EXPECT_STREQ(failure.what(), ("Cannot save file \"" + dir.File("x.vbs") + "\". No space left on device").c_str());
    }
    EXPECT_TRUE(fs::exists(scratch));
    EXPECT_EQ(frame.hides, 0);
}

TEST_F(CloseStepTest, AGeometryStoreThatCannotBeWrittenNeverKeepsTheWindowOpen) {
    store.writable = false;
    EXPECT_EQ(Close(), CloseDecision::Close);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(frame.hides, 1);
}

}  // namespace
}  // namespace tarnwick
