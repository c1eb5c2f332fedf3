#include "run/ui/QtProcessStarter.h"

#include "run/CommandLine.h"
#include "run/ui/CommandLineText.h"
#include "unit/Error.h"
#include "unit/ui/QtPorts.h"

#include <QCoreApplication>
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

QtLaunch PlanQtLaunch(const std::vector<std::string>& words, const std::string& scratch) {
    if (words.empty() || words.front().empty()) throw Error("The command line names no program to start");
#ifdef _WIN32
    const bool native = true;
#else
    const bool native = IsRunnable(FromAnsi(words.front()));
#endif
    // Our own console host beside the program reports script errors; Wine's hosts do not.
    const QString ourHost = QCoreApplication::applicationDirPath() + '/' + kOurHostName;
    const std::string host = QFileInfo::exists(ourHost) ? ToPath(ourHost) : std::string();
    const ProcessLaunch launch = PlanLaunch(words, scratch, native, host);
    if (launch.throughWine && !IsRunnable(FromAnsi(launch.program))) throw Error(StartFailureMessage(launch));
    // The scratch path handed to Wine in its own form is still the system's encoding.
    const std::string winePath = WinePath(scratch);
    QtLaunch out{CommandLineText(launch.program, scratch), {}, launch.throughWine, StartFailureMessage(launch)};
    for (const std::string& argument : launch.arguments)
        out.arguments << (argument == winePath || argument == host ? FromPath(argument)
                                                                    : CommandLineText(argument, scratch));
    return out;
}

void QtProcessStarter::Start(const std::string& commandLine) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    const QtLaunch launch = PlanQtLaunch(words, scratchScriptPath_());
    if (!QProcess::startDetached(launch.program, launch.arguments))
        throw Error(launch.failureMessage);
}

}  // namespace tarnwick
