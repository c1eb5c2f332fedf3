#include "run/ui/QtProcessStarter.h"

#include "app/Error.h"
#include "app/ui/QtPorts.h"
#include "run/CommandLine.h"

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
    const ProcessLaunch launch = PlanLaunch(words, scratchScriptPath_(), IsRunnable(FromPath(words.front())));
    if (launch.throughWine && !IsRunnable(FromPath(launch.program))) throw Error(StartFailureMessage(launch));
    QStringList arguments;
    for (const std::string& argument : launch.arguments) arguments << FromPath(argument);
    if (!QProcess::startDetached(FromPath(launch.program), arguments)) throw Error(StartFailureMessage(launch));
}

}  // namespace tarnwick
