#include "run/RunOptions.h"

#include "fakes/FakeSettingsStore.h"
#include "unit/Error.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

RunOptionTicks Ticked(std::initializer_list<int> indexes) {
    RunOptionTicks ticks{};
    for (int i : indexes) ticks[static_cast<std::size_t>(i)] = true;
    return ticks;
}

TEST(RunOptions, RebuildKeepsEverySpaceOfTheTemplate) {
    struct Row {
        const char* name;
        const char* host;
        RunOptionTicks ticks;
        const char* expected;
    } rows[] = {
        {"nothing ticked", "wscript", Ticked({}), " wscript  [FilePath]"},
        {"options in list order", "cscript", Ticked({9, 1}), " cscript  //B //nologo [FilePath]"},
        {"an item with its own space", "wscript", Ticked({4}), " wscript  //H:CScript  [FilePath]"},
        {"host taken as typed", "C:\\x\\Cscript.exe", Ticked({}), " C:\\x\\Cscript.exe  [FilePath]"},
        {"placeholders as written", "cscript", Ticked({3, 7, 11}),
         " cscript  //E:engine //Job:<JobID> //T:nn [FilePath]"},
    };
    for (const Row& row : rows) EXPECT_EQ(RebuildTemplate(row.host, row.ticks), row.expected) << row.name;
}

TEST(RunOptions, ChoosingAHostReplacesTheFirstWscriptThenTheFirstCscript) {
    struct Row {
        const char* before;
        const char* host;
        const char* after;
    } rows[] = {
        {" wscript  //H:CScript  [FilePath]", "wscript", " wscript  //H:wscript  [FilePath]"},
        {" cscript  //H:Wscript [FilePath]", "cscript", " cscript  //H:cscript [FilePath]"},
        {" wscript  [FilePath]", "cscript", " cscript  [FilePath]"},
        {"notepad [FilePath]", "cscript", "notepad [FilePath]"},
    };
    for (const Row& row : rows) EXPECT_EQ(ChooseHost(row.before, row.host), row.after) << row.before;
}

TEST(RunOptions, ExplanationsByIndex) {
    EXPECT_EQ(GetItemDescription(2), "Turns on the debugger.");
    EXPECT_TRUE(GetItemDescription(11).ends_with("The default is no limit. "));
    EXPECT_EQ(GetItemDescription(-1), "");
    EXPECT_EQ(GetItemDescription(13), "");
    EXPECT_STREQ(kRunOptionItems[4], "//H:CScript ");
}

TEST(RunOptions, TheDefaultIsStoredOnTickAndClearedOnUntick) {
    fakes::FakeSettingsStore store;
    StoreRunDefault(store, true, " cscript  //B [FilePath]");
    EXPECT_EQ(store.values["RunDefault"], " cscript  //B [FilePath]");
    StoreRunDefault(store, false, " cscript  //B [FilePath]");
    EXPECT_EQ(store.values["RunDefault"], "");

    store.writable = false;
    try {
        StoreRunDefault(store, true, "x");
        FAIL() << "a failed write must be reported";
    } catch (const Error& failure) {
        EXPECT_STREQ(failure.what(), "Failed to set data for 'RunDefault'");
    }
}

}  // namespace
}  // namespace tarnwick
