#pragma once

#include "unit/Ports.h"

#include <functional>
#include <memory>
#include <string>

class QProcess;

namespace tarnwick {

// The output pane's process, run by QProcess: its two output channels are
// read as they come, on the event loop, so the editor never waits for them.
// Its standard input is closed: the pane has nothing to type into, and a
// script that reads gets the end of its input instead of waiting for ever.
class QtCapturedProcess : public CapturedProcess {
public:
    // scratchScriptPath: the path whose argument is handed to Wine in its own form.
    explicit QtCapturedProcess(std::function<std::string()> scratchScriptPath);
    ~QtCapturedProcess() override;

    std::vector<std::string> Start(const std::vector<std::string>& words, Events events) override;
    void Stop() override;
    bool Running() const override;

private:
    void Discard();

    std::function<std::string()> scratchScriptPath_;
    std::unique_ptr<QProcess> process_;
};

}  // namespace tarnwick
