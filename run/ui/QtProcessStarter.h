#pragma once

#include "app/Ports.h"

#include <functional>
#include <string>

namespace tarnwick {

// Starts the script host directly, never through a shell, where Windows does
// not: the command line is split by the Windows rules, and a wscript or
// cscript that is not installed natively runs through Wine.
class QtProcessStarter : public ProcessStarter {
public:
    // scratchScriptPath: the path whose argument is handed to Wine in its own form.
    explicit QtProcessStarter(std::function<std::string()> scratchScriptPath)
        : scratchScriptPath_(std::move(scratchScriptPath)) {}
    void Start(const std::string& commandLine) override;

private:
    std::function<std::string()> scratchScriptPath_;
};

}  // namespace tarnwick
