// The main window's run commands: Run with default settings (F5, the Run
// button) and the runs the Run Options window asks for.

#include "window/ui/vbsmain.h"

#include "language/RunCheck.h"
#include "run/CommandLine.h"
#include "run/HostEncoding.h"
#include "run/OutputSession.h"
#include "run/RunOptions.h"
#include "run/ScratchFolder.h"
#include "run/ScriptRunner.h"
#include "run/ui/CommandLineText.h"
#include "run/ui/OutputPane.h"
#include "run/ui/PrivateFolder.h"
#include "settings/SettingsStore.h"
#include "window/MainWindowLogic.h"
#ifdef _WIN32
#include "run/win/WinProcessStarter.h"
#else
#include "run/ui/QtProcessStarter.h"
#endif

#include <QLabel>

#include <algorithm>

namespace tarnwick {

namespace {

std::string ScratchScriptIn(const std::string& folder) {
#ifdef _WIN32
    return folder + "\\" + kScratchScriptName;
#else
    return folder + "/" + kScratchScriptName;
#endif
}

#ifndef _WIN32
bool RunsInPane(const std::vector<std::string>& words) { return StartedProgramName(words) == "cscript"; }

// Here cscript has no console window to write to: its runs go to the output
// pane, where the user sees what the script writes. Other programs start on their own.
class PaneOrDetachedStarter : public ProcessStarter {
public:
    using PaneRun = std::function<void(const std::vector<std::string>& words)>;
    PaneOrDetachedStarter(std::unique_ptr<ProcessStarter> detached, PaneRun paneRun)
        : detached_(std::move(detached)), paneRun_(std::move(paneRun)) {}
    void Start(const std::string& commandLine) override {
        const std::vector<std::string> words = SplitCommandLine(commandLine);
        if (RunsInPane(words)) paneRun_(words);
        else detached_->Start(commandLine);
    }

private:
    std::unique_ptr<ProcessStarter> detached_;
    PaneRun paneRun_;
};
#endif

}  // namespace

void TForm1::WireRunCommands() {
#ifdef _WIN32
    processes_ = std::make_unique<WinProcessStarter>([this] { return scratchScriptPath_; });
#else
    processes_ = std::make_unique<PaneOrDetachedStarter>(
        std::make_unique<QtProcessStarter>([this] { return scratchScriptPath_; }),
        [this](const std::vector<std::string>& words) {
            outputRun_->Run(words, scratchScriptPath_);
            ShowPaneRun(words);
        });
#endif
    unit_.Processes = processes_.get();
    // Where the first run will likely write it; each run chooses afresh.
    const std::vector<std::string> folders = ScratchFolderCandidates();
    auto folder = folders.begin();
    if (!PrepareScratchFolderAt(*folder).empty())
        folder = std::find_if(folder + 1, folders.end(), [](const std::string& f) { return !f.empty(); });
    scratchScriptPath_ = ScratchScriptIn(folder == folders.end() ? folders.front() : *folder);
    commands.RunDefault = [this] {
        const auto stored =
            unit_.Settings ? unit_.Settings->OpenReadOnly()->ReadString(kRunDefaultValue) : std::nullopt;
        if (stored && !MayEndPaneRunFor(*stored)) return;
        PrepareScratchFolder();
        if (const auto started = mRunDefaultClick(unit_, scratchScriptPath_, [this] { ShowWindow(form2_); }))
            ShowStarted(*started);
    };
}

std::string TForm1::ScratchScriptPath() const { return scratchScriptPath_; }

void TForm1::PrepareScratchFolder() {
    scratchScriptPath_ = ScratchScriptIn(ChooseScratchFolder(ScratchFolderCandidates(), PrepareScratchFolderAt));
}

void TForm1::RunTemplate(const std::string& commandTemplate) {
    Guarded([&] {
        if (!MayEndPaneRunFor(commandTemplate) || !language::MayRunScript(unit_)) return;
        PrepareScratchFolder();
        ShowStarted(RunCommandTemplate(unit_, commandTemplate, scratchScriptPath_));
    });
}

bool TForm1::MayEndPaneRunFor(std::string_view commandTemplate) {
#ifdef _WIN32
    return true;  // the template's runs start on their own here
#else
    return !RunsInPane(SplitCommandLine(FormCommand(commandTemplate, scratchScriptPath_))) ||
           outputRun_->MayEndRun(unit_.Boxes);
#endif
}

void TForm1::ShowStarted(const std::string& command) {
    // A cold Wine start takes seconds: the user sees that something happened.
    // It stands until the caret moves.
    StatusPanel0->setText("Started: " + CommandLineText(command, scratchScriptPath_).trimmed());
}

}  // namespace tarnwick
