// The main window's run commands: Run with default settings (F5, the Run
// button) and the runs the Run Options window asks for.

#include "app/ui/vbsmain.h"

#include "app/MainWindowLogic.h"
#include "run/ScriptRunner.h"
#ifdef _WIN32
#include "run/win/WinProcessStarter.h"
#else
#include "run/ui/QtProcessStarter.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>

namespace tarnwick {

namespace {

// The scratch script goes beside the executable where that folder may be
// written, and otherwise into a folder of the user's own, which only the
// user may read.
QString ScratchScriptFolder() {
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo(beside).isWritable()) return beside;
#ifdef _WIN32
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tarnwick";
#else
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/tarnwick";
#endif
    return own;
}

}  // namespace

void TForm1::WireRunCommands() {
#ifdef _WIN32
    processes_ = std::make_unique<WinProcessStarter>();
#else
    processes_ = std::make_unique<QtProcessStarter>([this] { return scratchScriptPath_; });
#endif
    unit_.Processes = processes_.get();
    scratchScriptPath_ = ToPath(QDir(ScratchScriptFolder()).filePath(kScratchScriptName));
    commands.RunDefault = [this] {
        PrepareScratchFolder();
        if (const auto started = mRunDefaultClick(unit_, scratchScriptPath_, [this] { ShowWindow(form2_); }))
            ShowStarted(*started);
    };
}

std::string TForm1::ScratchScriptPath() const { return scratchScriptPath_; }

void TForm1::PrepareScratchFolder() const {
    const QString folder = QFileInfo(FromPath(scratchScriptPath_)).absolutePath();
    if (QFileInfo::exists(folder)) return;
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TForm1::RunTemplate(const std::string& commandTemplate) {
    Guarded([&] {
        PrepareScratchFolder();
        ShowStarted(RunCommandTemplate(unit_, commandTemplate, scratchScriptPath_));
    });
}

void TForm1::ShowStarted(const std::string& command) {
    // A cold Wine start takes seconds: the user sees that something happened.
    StBar->showMessage("Started: " + FromAnsi(command), 10000);
}

}  // namespace tarnwick
