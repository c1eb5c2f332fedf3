#pragma once

#include "host/Console.h"
#include "host/HostOptions.h"

#include <windows.h>
#include <activscp.h>

#include <atomic>
#include <string>

namespace tarnwick::host {

// The state of one run, shared by the site, the WScript object and the watchdog.
class Host {
public:
    explicit Host(HostOptions options);

    const HostOptions& Options() const { return options_; }
    const std::wstring& ScriptFullName() const { return scriptFullName_; }
    const std::wstring& HostFullName() const { return hostFullName_; }
    bool Interactive() const { return interactive_; }
    void SetInteractive(bool interactive) { interactive_ = interactive; }

    // The script as the engine was given it, for naming compile errors.
    void SetScriptText(std::wstring text) { scriptText_ = std::move(text); }
    const std::wstring& ScriptText() const { return scriptText_; }

    OutputChannel& Out() { return out_; }
    OutputChannel& Err() { return err_; }
    InputChannel& In() { return in_; }

    // WScript.Echo: a line on the console, or a message box for wscript.
    void Echo(const std::wstring& text);
    // A script error in the host's form; the run then ends with code 1.
    void ReportError(IActiveScriptError* error);
    bool ErrorReported() const { return errorReported_; }
    [[noreturn]] void Quit(int code);

    // The time limit in seconds, 0 for none; setting it starts the clock afresh.
    long Timeout() const { return timeoutSeconds_; }
    void SetTimeout(long seconds);

    IActiveScript* engine = nullptr;  // for the script's own procedures, which events call

private:
    static DWORD WINAPI Watchdog(void* self);
    // "Variable is undefined: 'name'" when the checker finds an undeclared name on the line.
    std::wstring UndeclaredNameAt(ULONG line) const;

    HostOptions options_;
    std::wstring scriptFullName_;
    std::wstring hostFullName_;
    bool interactive_;
    OutputChannel out_;
    OutputChannel err_;
    InputChannel in_;
    std::wstring scriptText_;
    bool errorReported_ = false;
    long timeoutSeconds_ = 0;
    std::atomic<ULONGLONG> deadline_{0};
    HANDLE watchdog_ = nullptr;
};

// The WScript object, the named item the script sees.
IDispatch* NewWScriptObject(Host& host);

// A sink that forwards the events of `source` to the script's procedures
// named `prefix` and the event's name; null when the object has no events.
IUnknown* ConnectEvents(Host& host, IDispatch* source, const std::wstring& prefix, DWORD& cookie,
                        IConnectionPoint*& point);

}  // namespace tarnwick::host
