#include "host/Host.h"

#include "host/RuntimeErrors.h"
#include "language/Check.h"
#include "language/Messages.h"

#include <cstdio>

namespace tarnwick::host {

namespace {

constexpr const wchar_t* kBoxTitle = L"Windows Script Host";

std::wstring FullPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(buffer, length) : path;
}

std::wstring ModulePath() {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
    return std::wstring(buffer, length);
}

std::wstring Bstr(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

}  // namespace

Host::Host(HostOptions options)
    : options_(std::move(options)),
      scriptFullName_(FullPath(options_.script)),
      hostFullName_(ModulePath()),
      interactive_(!options_.batch),
      out_(STD_OUTPUT_HANDLE, options_.unicode),
      err_(STD_ERROR_HANDLE, options_.unicode),
      in_(options_.unicode) {
    SetTimeout(options_.timeoutSeconds);
}

void Host::Echo(const std::wstring& text) {
    if (!options_.windowed) {
        out_.WriteLine(text);
    } else if (interactive_) {
        MessageBoxW(nullptr, text.c_str(), kBoxTitle, MB_OK | MB_SETFOREGROUND);
    }
}

void Host::ReportError(IActiveScriptError* error) {
    errorReported_ = true;
    EXCEPINFO info{};
    error->GetExceptionInfo(&info);
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    error->GetSourcePosition(&context, &line, &column);

    const HRESULT code = info.scode ? info.scode : info.wCode ? VBScriptError(info.wCode) : E_FAIL;
    const int number = ErrorNumber(code);
    const std::wstring source = Bstr(info.bstrSource);
    // Some engines name a compile error only by its source, with no number.
    const bool compile = IsCompileError(number) || source == kCompileErrorSource;
    std::wstring description = Bstr(info.bstrDescription);
    if (description.empty() && compile && number == 0) {
        // The engine named no error: our checker finds the first one as Windows' engine reports it.
        description = L"Syntax error";
        language::CheckOptions errorsOnly;
        errorsOnly.warnings = false;
        const auto found = language::CheckScript(Utf8(scriptText_), language::TextForm::Utf8, errorsOnly);
        if (!found.empty()) {
            description = FromUtf8(found.front().text);
            line = static_cast<ULONG>(found.front().line - 1);
            column = found.front().column - 1;
        }
    } else if (description.empty() && code == E_FAIL) {
        // A bare failure at run time is, from some engines, an undeclared name under Option Explicit.
        description = UndeclaredNameAt(line + 1);
        if (description.empty()) description = ErrorText(code);
    } else if (description.empty()) {
        description = ErrorText(code);
    }
    // A source of the script's own (Err.Raise n, "Source", ...) goes before the text.
    if (!source.empty() && source.rfind(L"Microsoft VBScript", 0) != 0) description = source + L": " + description;
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);

    const std::wstring kind = compile ? kCompileErrorSource : kRuntimeErrorSource;
    if (options_.windowed && interactive_) {
        wchar_t hex[16];
        swprintf(hex, 16, L"%08lX", static_cast<unsigned long>(code));
        const std::wstring box = L"Script:\t" + scriptFullName_ + L"\r\nLine:\t" + std::to_wstring(line + 1) +
                                 L"\r\nChar:\t" + std::to_wstring(column + 1) + L"\r\nError:\t" + description +
                                 L"\r\nCode:\t" + hex + L"\r\nSource: \t" + kind + L"\r\n";
        MessageBoxW(nullptr, box.c_str(), kBoxTitle, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
        return;
    }
    err_.WriteLine(scriptFullName_ + L"(" + std::to_wstring(line + 1) + L", " + std::to_wstring(column + 1) + L") " +
                   kind + L": " + description);
}

std::wstring Host::UndeclaredNameAt(ULONG line) const {
    const std::string text = Utf8(scriptText_);
    for (const language::Diagnostic& found : language::CheckScript(text, language::TextForm::Utf8)) {
        if (found.number != static_cast<int>(language::Message::UndeclaredName) || found.line != static_cast<int>(line))
            continue;
        return ErrorText(VBScriptError(500)) + L": '" + FromUtf8(text.substr(found.offset, found.length)) + L"'";
    }
    return {};
}

void Host::Quit(int code) {
    // Our output is written unbuffered, so nothing is left to flush.
    ExitProcess(static_cast<UINT>(code));
}

void Host::SetTimeout(long seconds) {
    timeoutSeconds_ = seconds;
    deadline_ = seconds > 0 ? GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000 : 0;
    if (seconds > 0 && !watchdog_) watchdog_ = CreateThread(nullptr, 0, &Host::Watchdog, this, 0, nullptr);
}

DWORD WINAPI Host::Watchdog(void* self) {
    Host& host = *static_cast<Host*>(self);
    for (;;) {
        Sleep(50);
        const ULONGLONG deadline = host.deadline_;
        if (deadline == 0 || GetTickCount64() < deadline) continue;
        const std::wstring message =
            L"Script execution time was exceeded on script \"" + host.scriptFullName_ + L"\". Script execution terminated.";
        if (host.options_.windowed && host.interactive_) {
            MessageBoxW(nullptr, message.c_str(), kBoxTitle, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
        } else {
            host.err_.WriteLine(message);
        }
        // The engine cannot be stopped from here in every version, so the whole host ends.
        TerminateProcess(GetCurrentProcess(), 1);
    }
}

}  // namespace tarnwick::host
