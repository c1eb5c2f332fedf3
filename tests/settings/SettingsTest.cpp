#include "fakes/FakeFileWriter.h"
#include "settings/FileSettingsStore.h"
#include "settings/SettingsFormats.h"
#include "unit/Error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
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

// The file lies under $XDG_CONFIG_HOME, else under ~/.config; with neither
// there is no place: nothing is read and every write is refused.
TEST_F(SettingsFile, ThePlaceFollowsTheEnvironment) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedXdg = xdg ? xdg : "", savedHome = home ? home : "";
    setenv("XDG_CONFIG_HOME", "/some/where", 1);
    setenv("HOME", "/home/me", 1);
    const fs::path fromXdg = FileSettingsStore::DefaultPath();
    unsetenv("XDG_CONFIG_HOME");
    const fs::path fromHome = FileSettingsStore::DefaultPath();
    unsetenv("HOME");
    EXPECT_EQ(FileSettingsStore::DefaultPath("/home/someone"), fs::path("/home/someone/.config/Tarnwick/Tarnwick.conf"));
    const fs::path none = FileSettingsStore::DefaultPath();
    if (xdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (home) setenv("HOME", savedHome.c_str(), 1);
    EXPECT_EQ(fromXdg, fs::path("/some/where/Tarnwick/Tarnwick.conf"));
    EXPECT_EQ(fromHome, fs::path("/home/me/.config/Tarnwick/Tarnwick.conf"));
    EXPECT_EQ(none, fs::path());
    FileSettingsStore store(none, writer);
    EXPECT_FALSE(store.OpenReadOnly()->ReadString("Left"));
    auto key = store.OpenForWriting();
    ASSERT_NE(key, nullptr);
    EXPECT_THROW(WriteSettingOrThrow(key.get(), "Left", "1"), Error);
}

// A write that cannot happen says so, naming the value, and changes nothing.
TEST_F(SettingsFile, AWriteThatCannotHappenChangesNothing) {
    bool grant = true;
    std::vector<fs::path> locked;
    struct Hold : SettingsFileLock {};
    const std::function<void(const fs::path&)> none = [](const fs::path&) {};
    const struct {
        const char* name;
        const char* file;
        std::function<void(const fs::path&)> before, after;  // the first write of Left = 1 between them
        bool writerAsked;
    } rows[] = {
        {"a file where the key's folder should be: no write can succeed, whatever the rights", "Tarnwick/Tarnwick.conf",
         [&](const fs::path&) { std::ofstream(dir / "Tarnwick") << "not a folder"; }, none, true},
        {"a file the store may not replace", "Tarnwick.conf", none,
         [](const fs::path& file) { fs::permissions(file, fs::perms::owner_read); }, false},
        // Rewriting an unreadable file from nothing would lose every other value.
        {"a folder in its place reads as nothing, even to the superuser", "Folder.conf",
         [](const fs::path& file) { fs::create_directories(file / "inside"); }, none, false},
        {"the writer fails", "Tarnwick.conf", none, [&](const fs::path&) { writer.failure = "No space left on device"; },
         true},
        {"no lock, no write", "Tarnwick.conf", none, [&](const fs::path&) { grant = false; }, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        grant = true;
        writer.failure.reset();
        const fs::path file = dir / row.file;
        FileSettingsStore store(file, writer, [&](const fs::path& path) -> std::unique_ptr<SettingsFileLock> {
            locked.push_back(path);
            return grant ? std::make_unique<Hold>() : nullptr;
        });
        row.before(file);
        locked.clear();
        const bool wrote = store.OpenForWriting()->WriteString("Left", "1");
        EXPECT_EQ(wrote ? locked : std::vector<fs::path>{file}, std::vector<fs::path>{file});  // each write holds the lock
        row.after(file);
        const auto value = store.OpenReadOnly()->ReadString("Left");
        auto text = [&] { return fs::is_regular_file(file) ? FileText(file) : std::string(); };
        const std::string before = text();
        const int calls = writer.calls;
        auto key = store.OpenForWriting();
        EXPECT_FALSE(key->WriteString("Left", "2"));
        EXPECT_EQ(key->ReadString("Left"), value);
        EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), value);
        EXPECT_EQ(text(), before);
        EXPECT_EQ(writer.calls != calls, row.writerAsked);
        try {
            WriteSettingOrThrow(key.get(), "ccComments", "clGreen");
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Failed to set data for 'ccComments'");
        }
    }
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
