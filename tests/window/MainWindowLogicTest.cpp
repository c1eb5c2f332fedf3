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
#include <optional>

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

// The close step: the geometry first, whatever follows; the question only
// for a changed document; the scratch script deleted and the other windows
// hidden only on the unchanged and the No paths.
TEST(CloseStep, EachPathOfTheQuestion) {
    const char* kSaved = "saved.vbs";
    struct Row {
        const char* name;
        bool changed;
        std::optional<Answer> answer;
        const char* save;  // the Save dialog's choice, nullptr: cancelled
        const char* failure = nullptr;
        std::optional<CloseDecision> decision = CloseDecision::Close;  // none: the failure is thrown
        bool hidden = true;  // the other windows, and the scratch script deleted
        bool scratchThere = true;
        bool storeWritable = true;
    } rows[] = {
        {"unchanged: no question", false, {}, nullptr},
        {"a missing scratch script is no error", false, {}, nullptr, nullptr, CloseDecision::Close, true, false},
        {"Cancel refuses, the geometry stored all the same", true, Answer::Cancel, nullptr, nullptr,
         CloseDecision::Refuse, false},
        {"No closes like the unchanged path", true, Answer::No, nullptr},
        {"Yes saves, then closes keeping the scratch script", true, Answer::Yes, kSaved, nullptr, CloseDecision::Close,
         false},
        {"Yes, the save dialog cancelled", true, Answer::Yes, nullptr, nullptr, CloseDecision::Refuse, false},
        {"Yes, the save failing: thrown, the window stays", true, Answer::Yes, kSaved, "No space left on device", {},
         false},
        {"a geometry store that cannot be written never keeps the window open", false, {}, nullptr, nullptr,
         CloseDecision::Close, true, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        MainUnit unit;
        FakeBoxes boxes;
        FakeDialogs dialogs;
        FakeSettingsStore store;
        fakes::FakeFileWriter writer;
        FakeFrame frame;
        DocumentFiles files{unit, nullptr};
        unit.Boxes = &boxes;
        unit.Dialogs = &dialogs;
        unit.Settings = &store;
        unit.Files = &writer;
        frame.left = -8;
        store.writable = row.storeWritable;
        const std::string scratch = row.scratchThere ? dir.Write("rundefault080.vbs", "scratch") : dir.File("none");
        if (row.changed) unit.MainText.TypeText("changed");
        if (row.answer) boxes.Answer(*row.answer);
        dialogs.ChooseSave(row.save ? std::optional(dir.File(row.save)) : std::nullopt);
        if (row.failure) writer.failure = row.failure;
        std::optional<CloseDecision> decision;
        std::string error;
        try {
            decision = CloseStep(unit, files, frame, scratch);
        } catch (const Error& failure) {
            error = failure.what();
        }
        EXPECT_EQ(decision, row.decision);
        EXPECT_EQ(error, row.failure ? "Cannot save file \"" + dir.File(kSaved) + "\". " + row.failure : "");
        EXPECT_EQ(boxes.Questions(), row.changed ? std::vector<std::string>{"Save the changes to this document?"}
                                                 : std::vector<std::string>{});
        EXPECT_EQ(fs::exists(scratch), row.scratchThere && !row.hidden);
        EXPECT_EQ(frame.hides, row.hidden ? 1 : 0);
        const std::vector<std::string> geometry{"Left", "Top", "Width", "Height"};
        EXPECT_EQ(store.writes, row.storeWritable ? geometry : std::vector<std::string>{});
        EXPECT_EQ(store.values["Left"], row.storeWritable ? "-8" : "");
        EXPECT_EQ(store.values["Height"], row.storeWritable ? "580" : "");
        EXPECT_EQ(unit.MainText.Text(), row.changed ? "changed" : "");
        EXPECT_EQ(row.save && !row.failure ? TempDir::Read(dir.File(row.save)) : "changed", "changed");
    }
}

}  // namespace
}  // namespace tarnwick
