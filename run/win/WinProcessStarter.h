#pragma once

#include "unit/Ports.h"

#include <functional>
#include <string>

namespace tarnwick {

// Starts a command line as Windows itself reads it, in a normal window,
// without waiting for it.
class WinProcessStarter : public ProcessStarter {
public:
    explicit WinProcessStarter(std::function<std::string()> scratchScriptPath)
        : scratchScriptPath_(std::move(scratchScriptPath)) {}
    void Start(const std::string& commandLine) override;

private:
    std::function<std::string()> scratchScriptPath_;
};

// The command line for the system's wide-character calls: the scratch path
// in it is UTF-8; the template around it is text of the system's ANSI code
// page, as the host programs read a command line, or UTF-8 where a stored
// template came back from the settings so.
std::wstring WideCommandLine(const std::string& commandLine, const std::string& scratchScriptPath);

// The code page in which the system's console programs write to a pipe.
int ConsoleOemCodePage();

}  // namespace tarnwick
