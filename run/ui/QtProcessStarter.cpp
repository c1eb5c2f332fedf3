#include "run/ui/QtProcessStarter.h"

#include "app/Error.h"
#include "app/ui/QtPorts.h"
#include "run/CommandLine.h"
#include "run/ui/CommandLineText.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tarnwick {

namespace {

bool IsRunnable(const QString& program) {
    if (program.contains('/')) return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

}  // namespace

void QtProcessStarter::Start(const std::string& commandLine) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty() || words.front().empty()) throw Error("The command line names no program to start");
    const std::string scratch = scratchScriptPath_();
    const ProcessLaunch launch = PlanLaunch(words, scratch, IsRunnable(FromAnsi(words.front())));
    if (launch.throughWine && !IsRunnable(FromAnsi(launch.program))) throw Error(StartFailureMessage(launch));
    // The scratch path handed to Wine in its own form is still the system's encoding.
    const std::string winePath = WinePath(scratch);
    QStringList arguments;
    for (const std::string& argument : launch.arguments)
        arguments << (argument == winePath ? FromPath(argument) : CommandLineText(argument, scratch));
    if (!QProcess::startDetached(CommandLineText(launch.program, scratch), arguments))
        throw Error(StartFailureMessage(launch));
}

}  // namespace tarnwick
