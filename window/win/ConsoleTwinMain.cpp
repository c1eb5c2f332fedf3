// tarnwick.com: the editor's console twin (see window/ConsoleTwin.h). It runs
// the syntax check itself, so a console shows the findings and receives the
// exit code, and starts tarnwick.exe beside it for everything else.
#include "host/Console.h"
#include "language/CheckCommand.h"
#include "window/ConsoleTwin.h"

#include <windows.h>
#include <shellapi.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tarnwick;

namespace {

constexpr int kCannotStart = 2;

// The arguments as Windows splits the wide command line, in UTF-8, the form
// the core takes file names in.
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(host::Utf8(words[i]));
    LocalFree(words);
    return arguments;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

int Check(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int code = language::RunCheckCommand(arguments, out, err);
    host::OutputChannel(STD_OUTPUT_HANDLE, false).Write(host::FromUtf8(out.str()));
    host::OutputChannel(STD_ERROR_HANDLE, false).Write(host::FromUtf8(err.str()));
    return code;
}

// Starts the editor with the same argument vector, never through a shell. The
// language server shares the console's handles and is waited for; the
// editor's window is not.
int Forward(const std::vector<std::string>& arguments, bool wait) {
    const std::wstring editor = host::FromUtf8(EditorBesideTwin(host::Utf8(OwnPath())));
    std::wstring line = host::FromUtf8(ForwardedCommandLine(host::Utf8(editor), arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (wait) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(editor.c_str(), line.data(), nullptr, nullptr, wait, 0, nullptr, nullptr, &startup,
                        &process)) {
        host::OutputChannel(STD_ERROR_HANDLE, false)
            .WriteLine(L"Cannot start " + editor + L" (error " + std::to_wstring(GetLastError()) + L").");
        return kCannotStart;
    }
    DWORD code = 0;
    if (wait) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

}  // namespace

int wmain() {
    const std::vector<std::string> arguments = Arguments();
    switch (ChooseTwinStep(arguments)) {
    case TwinStep::Check: return Check(arguments);
    case TwinStep::ServeAndWait: return Forward(arguments, true);
    case TwinStep::StartEditor: return Forward(arguments, false);
    }
    return kCannotStart;
}
