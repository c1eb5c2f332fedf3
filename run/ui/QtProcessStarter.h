#pragma once

#include "unit/Ports.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace tarnwick {

// A program and its arguments as QProcess starts them.
struct QtLaunch {
    QString program;
    QStringList arguments;
    bool throughWine = false;
    std::string failureMessage;  // for a start that fails all the same
};

// The words of a command line as QProcess starts them: a wscript or cscript
// that is not installed natively runs through Wine (never on Windows), with
// the scratch script's path in Wine's form. Throws Error naming the program
// when neither it nor Wine can be found.
QtLaunch PlanQtLaunch(const std::vector<std::string>& words, const std::string& scratchScriptPath);

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
