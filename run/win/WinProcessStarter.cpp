#include "run/win/WinProcessStarter.h"

#include "app/Error.h"
#include "run/CommandLine.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tarnwick {

std::wstring WideCommandLine(const std::string& commandLine) {
    if (commandLine.empty()) return {};
    const int size = static_cast<int>(commandLine.size());
    UINT codePage = CP_UTF8;
    int wide = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, commandLine.data(), size, nullptr, 0);
    if (wide == 0) {
        codePage = 1252;
        wide = MultiByteToWideChar(codePage, 0, commandLine.data(), size, nullptr, 0);
    }
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, commandLine.data(), size, out.data(), wide);
    return out;
}

void WinProcessStarter::Start(const std::string& commandLine) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty() || words.front().empty()) throw Error("The command line names no program to start");
    // Blanks before the program name are dropped: the rebuilt template starts with one.
    std::wstring line = WideCommandLine(commandLine.substr(commandLine.find_first_not_of(" \t")));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw Error(StartFailureMessage({words.front(), {}, false}));
    // The program runs on its own; it is never watched.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace tarnwick
