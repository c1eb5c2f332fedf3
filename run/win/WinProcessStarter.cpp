#include "run/win/WinProcessStarter.h"

#include "run/CommandLine.h"
#include "unit/Error.h"
#include "unit/win/WinText.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

std::wstring WideCommandLine(const std::string& commandLine, const std::string& scratchScriptPath) {
    if (scratchScriptPath.empty()) return WideText(commandLine);
    std::wstring out;
    std::size_t from = 0;
    for (std::size_t at; (at = commandLine.find(scratchScriptPath, from)) != std::string::npos;
         from = at + scratchScriptPath.size())
        out += WideText(std::string_view(commandLine).substr(from, at - from)) + WideText(scratchScriptPath);
    return out + WideText(std::string_view(commandLine).substr(from));
}

void WinProcessStarter::Start(const std::string& commandLine) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty() || words.front().empty()) throw Error("The command line names no program to start");
    // Blanks before the program name are dropped: the rebuilt template starts with one.
    std::wstring line =
        WideCommandLine(commandLine.substr(commandLine.find_first_not_of(" \t")), scratchScriptPath_());
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

int ConsoleOemCodePage() { return static_cast<int>(GetOEMCP()); }

}  // namespace tarnwick
