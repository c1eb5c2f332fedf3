#include "run/ScriptRunner.h"

#include "fakes/FakeBoxes.h"
#include "fakes/FakeFileWriter.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

class RecordingStarter : public ProcessStarter {
public:
    std::vector<std::string> started;
    void Start(const std::string& commandLine) override { started.push_back(commandLine); }
};

struct RunnerFixture : ::testing::Test {
    testing::TempDir dir;
    fakes::FakeBoxes boxes;
    fakes::FakeSettingsStore settings;
    RecordingStarter starter;
    fakes::FakeFileWriter writer;
    MainUnit unit;
    std::string scratch = dir.File("rundefault080.vbs");
    int runOptionsShown = 0;

    RunnerFixture() {
        unit.Boxes = &boxes;
        unit.Settings = &settings;
        unit.Processes = &starter;
        unit.Files = &writer;
    }
    std::optional<std::string> RunDefault() {
        return mRunDefaultClick(unit, scratch, [this] { ++runOptionsShown; });
    }
};

TEST_F(RunnerFixture, TheScratchScriptHoldsTheEditorsLinesEachEndedByABreak) {
    struct Row {
        const char* text;
        const char* bytes;
    } rows[] = {
        {"", ""},
        {"MsgBox 1", "MsgBox 1\r\n"},
        {"a\r\n", "a\r\n"},
        {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
        {"x = \"\xe9\x80\"", "x = \"\xe9\x80\"\r\n"},
    };
    for (const Row& row : rows) {
        unit.MainText.SetText(row.text);
        RunCommandTemplate(unit, "wscript [FilePath]", scratch);
        EXPECT_EQ(testing::TempDir::Read(scratch), row.bytes) << row.text;
        EXPECT_EQ(writer.writes.back().access, NewFileAccess::Private);  // only its owner reads it
    }
}

TEST_F(RunnerFixture, OnlyTheFirstPlaceholderInItsOwnCaseIsReplaced) {
    struct Row {
        const char* stored;
        std::string started;
    } rows[] = {
        {" cscript  //B [FilePath]", " cscript  //B  \"" + scratch + "\""},
        {"cscript //nologo", "cscript //nologo"},
        {"x [FilePath] [FilePath]", "x  \"" + scratch + "\" [FilePath]"},
        {"x [filepath]", "x [filepath]"},
    };
    unit.MainText.SetText("WScript.Echo 1");
    for (const Row& row : rows) {
        settings.values["RunDefault"] = row.stored;
        EXPECT_EQ(RunDefault(), row.started);
        EXPECT_EQ(starter.started.back(), row.started);
        EXPECT_EQ(testing::TempDir::Read(scratch), "WScript.Echo 1\r\n");  // written whatever the template
    }
    EXPECT_EQ(runOptionsShown, 0);
}

TEST_F(RunnerFixture, NoStoredDefaultSaysSoAndShowsTheRunOptions) {
    for (bool stored : {true, false}) {
        settings.values.clear();
        if (stored) settings.values["RunDefault"] = "";
        EXPECT_EQ(RunDefault(), std::nullopt);
    }
    EXPECT_EQ(boxes.Texts(fakes::FakeBoxes::Kind::Error),
              (std::vector<std::string>{kNoRunDefault, kNoRunDefault}));
    EXPECT_EQ(runOptionsShown, 2);
    EXPECT_TRUE(starter.started.empty());
}

TEST_F(RunnerFixture, AScratchScriptThatCannotBeWrittenStartsNothing) {
    writer.failure = "No space left on device";
    try {
        RunCommandTemplate(unit, "wscript [FilePath]", scratch);
        ADD_FAILURE() << "the write must fail";
    } catch (const Error& failure) {
        EXPECT_STREQ(failure.what(), ("Cannot save file \"" + scratch + "\". No space left on device").c_str());
    }
    EXPECT_TRUE(starter.started.empty());
}

}  // namespace
}  // namespace tarnwick
