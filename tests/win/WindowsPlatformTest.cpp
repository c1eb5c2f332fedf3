// The Windows pieces against the real system (Wine in CI): the registry key,
// the process start and file names outside the ANSI code page.

#include "unit/Error.h"
#include "documents/FileAccess.h"
#include "settings/win/RegistrySettingsStore.h"
#include "help/win/WinHtmlHelp.h"
#include "run/win/WinProcessStarter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

fs::path FreshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(Registry, EveryValueOfTheKeyReadsBackAsWritten) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tarnwick-test");
    RegistrySettingsStore store("Software\\Tarnwick-test");
    EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), std::nullopt);  // no key yet: every value missing
    const std::pair<const char*, const char*> values[] = {
        {"Left", "-7"},          {"Top", "118"},        {"Width", "670"},
        {"Height", "580"},       {"FontName", "Courier New"}, {"FontSize", "10"},
        {"ccFunctions", "clNavy"}, {"ccStatements", "$00FF0000"}, {"ccComments", "clGreen"},
        {"RunDefault", " cscript  //B //nologo [FilePath]"},
    };
    {
        auto key = store.OpenForWriting();  // creates the key
        ASSERT_TRUE(key);
        for (const auto& [name, value] : values) WriteSettingOrThrow(key.get(), name, value);
        WriteSettingOrThrow(key.get(), "FontName", "");
    }
    auto key = store.OpenReadOnly();
    for (const auto& [name, value] : values)
        EXPECT_EQ(key->ReadString(name), std::string(name) == "FontName" ? "" : value) << name;
    DWORD type = 0;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\Tarnwick-test", "RunDefault", RRF_RT_ANY, &type, nullptr,
                           nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
}

TEST(Registry, AFailedWriteNamesTheValue) {
    // A key name longer than the registry allows can be neither opened nor created.
    RegistrySettingsStore store("Software\\" + std::string(300, 'k'));
    try {
        WriteSettingOrThrow(store.OpenForWriting().get(), "RunDefault", "x");
        FAIL() << "the write must fail";
    } catch (const Error& failure) {
        EXPECT_STREQ(failure.what(), "Failed to set data for 'RunDefault'");
    }
}

TEST(FileNames, ANameOutsideTheAnsiCodePageIsRead) {
    const fs::path folder = FreshFolder("tarnwick-names");
    const fs::path file = folder / fs::path(u8"\u4e2d\u6587 \u0410\u0411 \u20ac.vbs");
    WriteBytes(file, "WScript.Echo 1\r\n");
    EXPECT_EQ(ReadFileBytes(Utf8(file)), "WScript.Echo 1\r\n");
    fs::remove_all(folder);
}

TEST(ProcessStart, CscriptRunsAScriptThatWritesAFile) {
    const fs::path base = FreshFolder("tarnwick-run");
    const fs::path out = base / "out.txt";  // named in the script, which the host reads as ANSI text
    const fs::path folder = base / fs::path(u8"\u4e2d \u00e9");  // the script's folder is outside that code page
    fs::create_directories(folder);
    const fs::path script = folder / "rundefault080.vbs";
    WriteBytes(script, "Set f = CreateObject(\"Scripting.FileSystemObject\").CreateTextFile(\"" + Utf8(out) +
                           "\", True)\r\nf.Write \"ran\"\r\nf.Close\r\n");
    WinProcessStarter starter([&] { return Utf8(script); });
    starter.Start(" cscript  //nologo  \"" + Utf8(script) + "\"");
    for (int i = 0; i < 600 && !fs::exists(out); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(ReadFileBytes(Utf8(out)), "ran");
    EXPECT_THROW(starter.Start("no-such-host-4711 x"), Error);
    fs::remove_all(base);
}

TEST(HtmlHelp, TheEntryPointLoadsAtRunTime) {
    const std::unique_ptr<HtmlHelpEntry> entry = LoadWinHtmlHelp();
    ASSERT_TRUE(entry) << "HHCtrl.ocx with HtmlHelpA";
    entry->Send(0, std::nullopt, 18, std::uintptr_t{0});  // closes all help windows: there are none
}

}  // namespace
}  // namespace tarnwick
