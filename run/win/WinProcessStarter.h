#pragma once

#include "app/Ports.h"

#include <string>

namespace tarnwick {

// Starts a command line as Windows itself reads it, in a normal window,
// without waiting for it.
class WinProcessStarter : public ProcessStarter {
public:
    void Start(const std::string& commandLine) override;
};

// The command line for the system's wide-character calls: the scratch path
// in it is UTF-8, the template around it Windows-1252 text, so it is read as
// UTF-8 where it is valid UTF-8 and as Windows-1252 otherwise.
std::wstring WideCommandLine(const std::string& commandLine);

}  // namespace tarnwick
