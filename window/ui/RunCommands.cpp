// The main window's run commands: Run with default settings (F5, the Run
// button) and the runs the Run Options window asks for.

#include "window/ui/vbsmain.h"

#include "window/MainWindowLogic.h"
#include "language/RunCheck.h"
#include "run/ui/CommandLineText.h"
#include "run/ScriptRunner.h"
#ifdef _WIN32
#include "run/win/WinProcessStarter.h"
#else
#include "run/ui/QtProcessStarter.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarnwick {

namespace {

// The scratch script goes beside the executable where that folder may be
// written, and otherwise into a folder of the user's own, which only the
// user may read. Writing is tried: permission bits do not tell on Windows.
QString ScratchScriptFolder() {
    const QString beside = QCoreApplication::applicationDirPath();
    if (QTemporaryFile probe(beside + "/.tarnwick-probe-XXXXXX"); probe.open()) return beside;
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
    processes_ = std::make_unique<WinProcessStarter>([this] { return scratchScriptPath_; });
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
    const QString script = FromPath(scratchScriptPath_);
    const QString folder = QFileInfo(script).absolutePath();
    if (folder != QCoreApplication::applicationDirPath()) {
        QDir().mkpath(folder);  // a failure shows when the script is written
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void TForm1::RunTemplate(const std::string& commandTemplate) {
    Guarded([&] {
        if (!language::MayRunScript(unit_)) return;
        PrepareScratchFolder();
        ShowStarted(RunCommandTemplate(unit_, commandTemplate, scratchScriptPath_));
    });
}

void TForm1::ShowStarted(const std::string& command) {
    // A cold Wine start takes seconds: the user sees that something happened.
    // It stands until the caret moves.
    StatusPanel0->setText("Started: " + CommandLineText(command, scratchScriptPath_).trimmed());
}

}  // namespace tarnwick
