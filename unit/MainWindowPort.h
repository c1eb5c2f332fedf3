#pragma once

#include <functional>
#include <string>

namespace tarnwick {

struct MainUnit;
class DocumentFiles;

// What the other windows (Run Options, Editor Options) ask of the main
// window, so that they need not know it: the main window implements it.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;
    virtual MainUnit& Unit() = 0;
    virtual DocumentFiles& Files() = 0;
    // Runs a command; a failure it throws is shown in the application's error
    // box and the program goes on. False when it failed.
    virtual bool Guarded(const std::function<void()>& command) = 0;
    // Runs a command template on the editor's text; a failure is shown.
    virtual void RunTemplate(const std::string& commandTemplate) = 0;
};

}  // namespace tarnwick
