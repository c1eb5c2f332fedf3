#include "documents/RecentFiles.h"

#include "documents/DocumentFiles.h"
#include "fakes/FakeBoxes.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileWriter.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstOnceEachAtMostEight) {
    fakes::FakeSettingsStore store;
    for (const char* path : {"a", "b", "c", "b"}) RememberRecentFile(store, path);
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"b", "c", "a"}));
    EXPECT_EQ(store.values["MRU1"], "b");
    EXPECT_EQ(store.values["MRU4"], "");
    for (int i = 0; i < 10; ++i) RememberRecentFile(store, "f" + std::to_string(i));
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"f9", "f8", "f7", "f6", "f5", "f4", "f3", "f2"}));
    ForgetRecentFile(store, "f5");
    EXPECT_EQ(ReadRecentFiles(store), (Paths{"f9", "f8", "f7", "f6", "f4", "f3", "f2"}));
    store.writable = false;
    RememberRecentFile(store, "x");  // passed over
    EXPECT_EQ(ReadRecentFiles(store).front(), "f9");
}

TEST(RecentFiles, OpenedAndSavedFilesAreRememberedAndAGoneOneIsOffered) {
    testing::TempDir dir;
    fakes::FakeBoxes boxes;
    fakes::FakeFileWriter writer;
    fakes::FakeDialogs dialogs;
    fakes::FakeSettingsStore store;
    MainUnit unit;
    unit.Boxes = &boxes;
    unit.Files = &writer;
    unit.Dialogs = &dialogs;
    DocumentFiles files(unit, [](const std::string&) {});
    files.SetFileUsed([&](const std::string& path) { RememberRecentFile(store, path); });

    const std::string a = dir.Write("a.vbs", "a");
    const std::string b = dir.Write("b.vbs", "b");
    EXPECT_FALSE(files.OpenRecent(a));
    files.OpenOperation("b.vbs", b);
    unit.MainText.SetText("changed");
    ASSERT_TRUE(files.Save());
    EXPECT_EQ(ReadRecentFiles(store), (Paths{b, a}));

    boxes.Answer(Answer::Cancel);  // unsaved changes: Cancel keeps the document
    unit.MainText.SetText("changed again");
    EXPECT_FALSE(files.OpenRecent(a));
    EXPECT_EQ(unit.CurrentFileName, b);

    boxes.Answer(Answer::Yes);
    EXPECT_TRUE(files.OpenRecent(dir.File("gone.vbs")));
    EXPECT_EQ(boxes.Questions().back(), "Cannot find \"" + dir.File("gone.vbs") + "\". Remove it from the recent files?");
}

}  // namespace
}  // namespace tarnwick
