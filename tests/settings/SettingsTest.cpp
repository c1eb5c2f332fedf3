#include "fakes/FakeFileWriter.h"
#include "settings/FileSettingsStore.h"
#include "settings/SettingsFormats.h"
#include "unit/Error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tarnwick-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }
    fs::path dir;
    fakes::FakeFileWriter writer;
};

#ifndef _WIN32  // the settings file is the store of other systems; Windows has the registry
TEST_F(SettingsFile, MissingKeyReadsEveryValueAsMissing) {
    FileSettingsStore store(dir / "Tarnwick" / "Tarnwick.conf", writer);
    auto key = store.OpenReadOnly();
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->ReadString("Left").has_value());
    EXPECT_FALSE(fs::exists(dir));  // reading never creates the key
}

TEST_F(SettingsFile, WritersCreateTheKeyAndValuesSurviveAsWritten) {
    FileSettingsStore store(dir / "Tarnwick" / "Tarnwick.conf", writer);
    const std::pair<std::string, std::string> values[] = {
        {"Left", "-8"},
        {"RunDefault", "cscript //Nologo \"[FilePath]\" a=b"},
        {"Odd", "  leading and trailing  "},
        {"Breaks", "one\r\ntwo\nthree\\n"},
        {"Empty", ""},
    };
    {
        auto key = store.OpenForWriting();
        for (const auto& [name, value] : values) ASSERT_TRUE(key->WriteString(name, value)) << name;
    }
    // Writing every value again as it stands rewrites nothing.
    const std::size_t writes = writer.writes.size();
    for (const auto& [name, value] : values) EXPECT_TRUE(store.OpenForWriting()->WriteString(name, value)) << name;
    EXPECT_EQ(writer.writes.size(), writes);
    auto key = store.OpenReadOnly();
    for (const auto& [name, value] : values) EXPECT_EQ(key->ReadString(name), value) << name;
    // Rewritten whole: no temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(store.Path().parent_path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(SettingsFile, EachOpenSeesTheLatestValues) {
    FileSettingsStore store(dir / "Tarnwick.conf", writer);
    auto reader = store.OpenReadOnly();
    store.OpenForWriting()->WriteString("RunDefault", "wscript \"[FilePath]\"");
    EXPECT_FALSE(reader->ReadString("RunDefault"));  // an open key is a snapshot
    EXPECT_EQ(store.OpenReadOnly()->ReadString("RunDefault"), "wscript \"[FilePath]\"");
}

TEST_F(SettingsFile, AFailedWriteIsReportedWithTheValueName) {
    // A file where the key's folder should be: no write can succeed, whatever the rights.
    fs::create_directories(dir);
    std::ofstream(dir / "Tarnwick") << "not a folder";
    FileSettingsStore store(dir / "Tarnwick" / "Tarnwick.conf", writer);
    auto key = store.OpenForWriting();
    EXPECT_FALSE(key->WriteString("ccComments", "clGreen"));
    try {
        WriteSettingOrThrow(key.get(), "ccComments", "clGreen");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'ccComments'");
    }
}

TEST_F(SettingsFile, AFileTheStoreMayNotReplaceIsLeftAlone) {
    FileSettingsStore store(dir / "Tarnwick.conf", writer);
    ASSERT_TRUE(store.OpenForWriting()->WriteString("Left", "1"));
    fs::permissions(store.Path(), fs::perms::owner_read);
    EXPECT_FALSE(store.OpenForWriting()->WriteString("Left", "2"));
    EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), "1");

    // Unreadable (a folder in its place reads as nothing even to the superuser):
    // rewriting it from nothing would lose every other value, so the writer is never asked.
    FileSettingsStore unreadable(dir / "Folder.conf", writer);
    fs::create_directories(unreadable.Path() / "inside");
    const int calls = writer.calls;
    EXPECT_FALSE(unreadable.OpenForWriting()->WriteString("Left", "2"));
    EXPECT_EQ(writer.calls, calls);
}

TEST_F(SettingsFile, DefaultPathFollowsXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/some/where", 1);
    EXPECT_EQ(FileSettingsStore::DefaultPath(), fs::path("/some/where/Tarnwick/Tarnwick.conf"));
    unsetenv("XDG_CONFIG_HOME");
    if (const char* home = std::getenv("HOME")) {
        EXPECT_EQ(FileSettingsStore::DefaultPath(), fs::path(home) / ".config" / "Tarnwick" / "Tarnwick.conf");
    }
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST_F(SettingsFile, ForeignLinesAndSectionsAreIgnored) {
    fs::create_directories(dir);
    std::ofstream(dir / "Tarnwick.conf") << "garbage\n[Other]\nLeft=1\n[Software\\Tarnwick]\r\nLeft=5\r\n=x\nnoequals\n";
    FileSettingsStore store(dir / "Tarnwick.conf", writer);
    EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), "5");
}

std::string FileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(SettingsFile, AWriteChangesOnlyItsValuesLine) {
    struct Row {
        const char* name;
        std::string before;
        std::string after;  // once Left is written as 7
        const char* top;    // the value Top reads before the write
    } rows[] = {
        {"comments, other sections, foreign lines",
         "; mine\n[Other]\nLeft=1\n[Software\\Tarnwick]\nTop=2\nLeft=3\nnoequals\n\n[Later]\nx=y\n",
         "; mine\n[Other]\nLeft=1\n[Software\\Tarnwick]\nTop=2\nLeft=7\nnoequals\n\n[Later]\nx=y\n", "2"},
        {"a new value at the end of the section",
         "[Software\\Tarnwick]\r\nTop=2\r\n\r\n[Later]\r\n",
         "[Software\\Tarnwick]\r\nTop=2\r\nLeft=7\r\n\r\n[Later]\r\n", "2"},
        {"a byte-order mark before the header",
         "\xEF\xBB\xBF[Software\\Tarnwick]\nTop=\\s2\n",
         "\xEF\xBB\xBF[Software\\Tarnwick]\nTop=\\s2\nLeft=7\n", " 2"},
        {"no section yet", "; mine", "; mine\n[Software\\Tarnwick]\nLeft=7", nullptr},
        {"a name twice: the first line counts and is the one replaced",
         "[Software\\Tarnwick]\nTop=2\nTop=3\nLeft=1\nLeft=4\n",
         "[Software\\Tarnwick]\nTop=2\nTop=3\nLeft=7\nLeft=4\n", "2"},
        {"a name that begins another's", "[Software\\Tarnwick]\nLeftMost=1\nLeft=2\n",
         "[Software\\Tarnwick]\nLeftMost=1\nLeft=7\n", nullptr},
        {"mixed breaks: each line keeps its own, and a value its own CR",
         "[Software\\Tarnwick]\nTop=2\r\r\nx=1\r\nLeft=1",
         "[Software\\Tarnwick]\nTop=2\r\r\nx=1\r\nLeft=7", "2\r"},
    };
    for (const Row& row : rows) {
        fs::create_directories(dir);
        std::ofstream(dir / "Tarnwick.conf", std::ios::binary) << row.before;
        FileSettingsStore store(dir / "Tarnwick.conf", writer);
        EXPECT_EQ(store.OpenReadOnly()->ReadString("Top"),
                  row.top ? std::optional<std::string>(row.top) : std::nullopt) << row.name;
        ASSERT_TRUE(store.OpenForWriting()->WriteString("Left", "7")) << row.name;
        EXPECT_EQ(FileText(dir / "Tarnwick.conf"), row.after) << row.name;
        EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), "7") << row.name;
    }
}

TEST_F(SettingsFile, WritesGoThroughALinkToAFileOnlyTheUserReads) {
    fs::create_directories(dir / "real");
    fs::create_symlink(fs::path("real") / "Tarnwick.conf", dir / "Tarnwick.conf");
    FileSettingsStore store(dir / "Tarnwick.conf", writer);
    ASSERT_TRUE(store.OpenForWriting()->WriteString("Left", "1"));
    EXPECT_TRUE(fs::is_symlink(dir / "Tarnwick.conf"));
    EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), "1");
    ASSERT_EQ(writer.writes.size(), 1u);
    EXPECT_EQ(writer.writes[0].path, (dir / "real" / "Tarnwick.conf").string());
    EXPECT_EQ(writer.writes[0].access, NewFileAccess::OwnerOnly);
}

TEST_F(SettingsFile, AFailedWriteKeepsTheValuesAsTheyWere) {
    FileSettingsStore store(dir / "Tarnwick.conf", writer);
    ASSERT_TRUE(store.OpenForWriting()->WriteString("Left", "1"));
    writer.failure = "No space left on device";
    auto key = store.OpenForWriting();
    EXPECT_FALSE(key->WriteString("Left", "2"));
    EXPECT_EQ(key->ReadString("Left"), "1");
    EXPECT_EQ(FileText(dir / "Tarnwick.conf"), "[Software\\Tarnwick]\nLeft=1\n");
}

TEST_F(SettingsFile, EachWriteHoldsTheLock) {
    struct Hold : SettingsFileLock {};
    std::vector<fs::path> locked;
    bool grant = true;
    FileSettingsStore store(dir / "Tarnwick.conf", writer, [&](const fs::path& file) -> std::unique_ptr<SettingsFileLock> {
        locked.push_back(file);
        return grant ? std::make_unique<Hold>() : nullptr;
    });
    ASSERT_TRUE(store.OpenForWriting()->WriteString("Left", "1"));
    EXPECT_EQ(locked, std::vector<fs::path>{dir / "Tarnwick.conf"});
    grant = false;
    EXPECT_FALSE(store.OpenForWriting()->WriteString("Left", "2"));  // no lock, no write
    EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), "1");
}

TEST_F(SettingsFile, NoPlaceReadsNothingAndRefusesWrites) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedXdg = xdg ? xdg : "", savedHome = home ? home : "";
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(FileSettingsStore::DefaultPath("/home/someone"), fs::path("/home/someone/.config/Tarnwick/Tarnwick.conf"));
    const fs::path none = FileSettingsStore::DefaultPath();
    if (xdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (home) setenv("HOME", savedHome.c_str(), 1);
    EXPECT_EQ(none, fs::path());
    FileSettingsStore store(none, writer);
    EXPECT_FALSE(store.OpenReadOnly()->ReadString("Left"));
    auto key = store.OpenForWriting();
    ASSERT_NE(key, nullptr);
    EXPECT_THROW(WriteSettingOrThrow(key.get(), "Left", "1"), Error);
}
#endif

TEST(SettingsFormats, Integers) {
    EXPECT_EQ(ParseSettingInteger("282"), 282);
    EXPECT_EQ(ParseSettingInteger("-8"), -8);
    EXPECT_FALSE(ParseSettingInteger(""));
    EXPECT_FALSE(ParseSettingInteger("-"));
    EXPECT_FALSE(ParseSettingInteger("12px"));
    EXPECT_FALSE(ParseSettingInteger(" 12"));
    EXPECT_FALSE(ParseSettingInteger("+12"));
    EXPECT_FALSE(ParseSettingInteger("99999999999"));
    EXPECT_EQ(FormatSettingInteger(-8), "-8");
}

TEST(SettingsFormats, Colours) {
    struct Row {
        const char* text;
        std::optional<Colour> value;
    };
    const Row rows[] = {
        {"clNavy", 0x800000}, {"clred", 0x0000FF},   {"CLMONEYGREEN", 0xC0DCC0}, {"$000000FF", 0x0000FF},
        {"$00f0caa6", 0xF0CAA6}, {"255", 0xFF},      {"clNavyBlue", std::nullopt}, {"", std::nullopt},
        {"$", std::nullopt},  {"$123456789", std::nullopt}, {"navy", std::nullopt}, {"$12G", std::nullopt},
        {"$FF00000F", 0xFF00000F}, {"-16777208", 0xFF000008}, {"$01800000", std::nullopt},
        {"$FF010008", std::nullopt}, {"-1", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseSettingColour(row.text), row.value) << row.text;
    EXPECT_EQ(FormatSettingColour(0x800000), "clNavy");
    EXPECT_EQ(FormatSettingColour(0xA4A0A0), "clMedGray");
    EXPECT_EQ(FormatSettingColour(0x123456), "$00123456");
    for (const NamedColour& named : kNamedColours)
        EXPECT_EQ(ParseSettingColour(FormatSettingColour(named.value)), named.value);
}

}  // namespace
}  // namespace tarnwick
