// The Windows pieces against the real system (Wine in CI): the registry key,
// the process start and file names outside the ANSI code page.

#include "documents/FileAccess.h"
#include "help/win/WinHtmlHelp.h"
#include "run/win/WinProcessStarter.h"
#include "settings/win/RegistrySettingsStore.h"
#include "unit/Error.h"
#include "unit/win/WinText.h"

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

// Names of this process's own: two test programs may run at once in one Wine prefix.
std::string OwnName(const char* name) { return name + std::to_string(GetCurrentProcessId()); }

fs::path FreshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / OwnName(name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(Registry, EveryValueOfTheKeyReadsBackAsWritten) {
    const std::string keyPath = OwnName("Software\\Tarnwick-test-");
    RegDeleteTreeA(HKEY_CURRENT_USER, keyPath.c_str());
    RegistrySettingsStore store(keyPath);
    EXPECT_EQ(store.OpenReadOnly()->ReadString("Left"), std::nullopt);  // no key yet: every value missing
    const std::pair<const char*, const char*> values[] = {
        {"Left", "-7"},          {"Top", "118"},        {"Width", "670"},
        {"Height", "580"},       {"FontName", "Courier New"}, {"FontSize", "10"},
        {"ccFunctions", "clNavy"}, {"ccStatements", "$00FF0000"}, {"ccComments", "clGreen"},
        {"RunDefault", " cscript  //B //nologo [FilePath]"},
    };
    const std::string beyondAscii = "\xE4\xB8\xAD\xE6\x96\x87 \xCE\xA9 \xC3\xA9";  // UTF-8 of a name beyond any code page
    {
        auto key = store.OpenForWriting();  // creates the key
        ASSERT_TRUE(key);
        for (const auto& [name, value] : values) WriteSettingOrThrow(key.get(), name, value);
        WriteSettingOrThrow(key.get(), "FontName", "");
        WriteSettingOrThrow(key.get(), "Wide", beyondAscii);
        WriteSettingOrThrow(key.get(), "Ansi", "//T:\xE9");  // no UTF-8: the ANSI code page's text
    }
    // Older versions wrote the UTF-8 bytes through the ANSI call.
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
    RegSetValueExA(raw, "Older", 0, REG_SZ, reinterpret_cast<const BYTE*>(beyondAscii.c_str() + 7), 5);
    wchar_t stored[64] = {};
    DWORD storedSize = sizeof stored;
    EXPECT_EQ(RegGetValueW(raw, nullptr, L"Wide", RRF_RT_REG_SZ, nullptr, stored, &storedSize), ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(stored), L"\u4e2d\u6587 \u03a9 \u00e9");  // the registry holds the text itself
    RegCloseKey(raw);
    auto key = store.OpenReadOnly();
    for (const auto& [name, value] : values)
        EXPECT_EQ(key->ReadString(name), std::string(name) == "FontName" ? "" : value) << name;
    EXPECT_EQ(key->ReadString("Wide"), beyondAscii);
    EXPECT_EQ(key->ReadString("Older"), beyondAscii.substr(7));
    std::string ansi;
    ASSERT_TRUE(ToAnsiCodePage(WideText(*key->ReadString("Ansi")), ansi));
    EXPECT_EQ(ansi, "//T:\xE9");
    DWORD type = 0;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, keyPath.c_str(), "RunDefault", RRF_RT_ANY, &type, nullptr,
                           nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    RegDeleteTreeA(HKEY_CURRENT_USER, keyPath.c_str());
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

TEST(HtmlHelp, ItsWindowsCloseBeforeTheLibraryIsUnloaded) {
    const fs::path file = TARNWICK_HELP_FILE;
    if (!fs::exists(file)) GTEST_SKIP() << "the help file was not compiled";
    auto windows = [] {
        int shown = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM count) {
                if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&shown));
        return shown;
    };
    std::unique_ptr<HtmlHelpEntry> entry = LoadWinHtmlHelp();
    ASSERT_TRUE(entry);
    entry->Send(0, file.string(), hh::kDisplayToc, std::uintptr_t{0});
    // Wine's viewer opened no window of this thread for the file: only Windows itself shows the fault.
    if (windows() == 0) GTEST_SKIP() << "no help window was opened";
    entry.reset();
    EXPECT_EQ(windows(), 0);
}

// The template's text is the system's ANSI code page's, whichever it is
// (tests/win runs this once more with a Cyrillic one).
TEST(ProcessStart, TheTemplateIsReadInTheAnsiCodePage) {
    const std::string scratch = "C:\\t\\\xC3\xA9\\rundefault080.vbs";
    wchar_t e9[2] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "\xE9", 1, e9, 1), 1);
    EXPECT_EQ(WideCommandLine("cscript //T:\xE9 \"" + scratch + "\"", scratch),
              L"cscript //T:" + std::wstring(1, e9[0]) + L" \"C:\\t\\\u00e9\\rundefault080.vbs\"");
    if (GetACP() == 1251) {
        EXPECT_EQ(e9[0], L'\u0439');
    }
}

}  // namespace
}  // namespace tarnwick
