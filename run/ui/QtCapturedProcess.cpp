#include "run/ui/QtCapturedProcess.h"

#include "run/ui/QtProcessStarter.h"
#include "unit/Error.h"
#include "unit/ui/QtPorts.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace tarnwick {

QtCapturedProcess::QtCapturedProcess(std::function<std::string()> scratchScriptPath)
    : scratchScriptPath_(std::move(scratchScriptPath)) {}

QtCapturedProcess::~QtCapturedProcess() { Discard(); }

void QtCapturedProcess::Discard() {
    if (!process_) return;
    process_->disconnect();
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(2000);  // a killed process is gone at once
    }
    process_.reset();
}

std::vector<std::string> QtCapturedProcess::Start(const std::vector<std::string>& words, Events events) {
    const QtLaunch launch = PlanQtLaunch(words, scratchScriptPath_());
    Discard();
    process_ = std::make_unique<QProcess>();
    QProcess* process = process_.get();
    if (launch.throughWine) {
        // Wine's own diagnostics would bury the script's output.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!environment.contains("WINEDEBUG")) environment.insert("WINEDEBUG", "-all");
        process->setProcessEnvironment(environment);
    }
    auto forward = [process, output = events.Output](Channel channel) {
        process->setReadChannel(channel == Channel::Output ? QProcess::StandardOutput : QProcess::StandardError);
        const QByteArray bytes = process->readAll();
        if (!bytes.isEmpty() && output) output(channel, std::string_view(bytes.constData(), bytes.size()));
    };
    QObject::connect(process, &QProcess::readyReadStandardOutput, [forward] { forward(Channel::Output); });
    QObject::connect(process, &QProcess::readyReadStandardError, [forward] { forward(Channel::Error); });
    auto finished = [process, forward, done = events.Finished](std::optional<int> exitCode) {
        forward(Channel::Output);  // what is left in the pipes comes first
        forward(Channel::Error);
        process->disconnect();
        if (done) done(exitCode);
    };
    QObject::connect(process, &QProcess::finished, [finished](int exitCode, QProcess::ExitStatus status) {
        finished(status == QProcess::NormalExit ? std::optional<int>(exitCode) : std::nullopt);
    });
    // A failed start never finishes; other errors are followed by finished.
    // Queued: the pane hears of it after Start has returned.
    QObject::connect(
        process, &QProcess::errorOccurred, process,
        [finished](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) finished(std::nullopt);
        },
        Qt::QueuedConnection);
    process->start(launch.program, launch.arguments);
    if (process->state() == QProcess::NotRunning && process->error() == QProcess::FailedToStart) {
        process_.reset();  // with the failure it had queued
        throw Error(launch.failureMessage);
    }
    process->closeWriteChannel();
    std::vector<std::string> started = {ToPath(launch.program)};
    for (const QString& argument : launch.arguments) started.push_back(ToPath(argument));
    return started;
}

void QtCapturedProcess::Stop() {
    if (process_ && process_->state() != QProcess::NotRunning) process_->kill();
}

bool QtCapturedProcess::Running() const { return process_ && process_->state() != QProcess::NotRunning; }

}  // namespace tarnwick
