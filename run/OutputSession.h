#pragma once

#include "run/HostEncoding.h"
#include "run/HostOutput.h"
#include "unit/Ports.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick {

struct MainUnit;

// One line of a run's output in UTF-8, decoded as its host wrote it (its line
// break taken off).
struct OutputLine {
    std::string text;
    CapturedProcess::Channel channel = CapturedProcess::Channel::Output;
    std::optional<SourcePlace> place;  // set for a host error line about the scratch script
};

// Runs the scratch script with its output captured: the output pane's run.
// Lines are handed on as they complete; the run's end comes with a summary
// of how it ended and the time taken.
class OutputSession {
public:
    // Longer lines are handed on in pieces of at most this many bytes, so
    // that a script that writes without line breaks cannot fill the memory.
    static constexpr std::size_t kMaxLineLength = 1 << 16;

    explicit OutputSession(CapturedProcess& process) : process_(process) {}

    std::function<void(const OutputLine&)> OnLine;
    std::function<void(const std::string& summary)> OnFinished;
    // The code page in which Windows' script hosts write to a pipe.
    int OemCodePage = kWineOemCodePage;

    // Writes the editor's lines to the scratch script and starts cscript on it
    // with the options of the stored default template ("//U" added when the
    // OEM code page has no table here). A run still going is ended first.
    // Returns the words started. Throws Error when the script cannot be
    // written (nothing is started then) or cscript cannot be started.
    std::vector<std::string> Start(MainUnit& unit, const std::string& scratchScriptPath);
    // Starts words on the scratch script already written.
    void Run(const std::vector<std::string>& words, const std::string& scratchScriptPath);
    void Stop();
    bool Running() const { return process_.Running(); }
    // Before another run in the pane: true when none is going, or when the
    // user agrees to end the one going (the next Start or Run ends it).
    bool MayEndRun(MessageBoxes* boxes) const;

private:
    void Received(CapturedProcess::Channel channel, std::string_view bytes);
    void Finished(std::optional<int> exitCode);
    void Split(CapturedProcess::Channel channel, std::string_view text);
    void Emit(CapturedProcess::Channel channel, std::string_view text);

    CapturedProcess& process_;
    std::string scratchScriptPath_;
    HostOutputDecoder decoders_[2];  // one per channel
    std::string partial_[2];         // the unfinished last line of each channel
    bool ownHost_ = false;           // our host, which refuses options with exit code 2
    bool stopRequested_ = false;
    bool errorReported_ = false;
    int lines_[2] = {0, 0};
    std::string firstError_;
    std::chrono::steady_clock::time_point started_;
};

}  // namespace tarnwick
