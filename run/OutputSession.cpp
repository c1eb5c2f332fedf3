#include "run/OutputSession.h"

#include "run/RunOptions.h"
#include "run/ScriptRunner.h"
#include "settings/SettingsStore.h"
#include "unit/MainUnit.h"

#include <utility>

namespace tarnwick {

namespace {

// Our host refuses an option it cannot honour with this exit code and one
// line on its error channel that starts with its name; it runs nothing then.
constexpr int kRefusedOptions = 2;
const std::string kRefusalStart = std::string(kOwnHostName) + ": ";

int Index(CapturedProcess::Channel channel) { return static_cast<int>(channel); }

}  // namespace

std::vector<std::string> OutputSession::Start(MainUnit& unit, const std::string& scratchScriptPath) {
    std::optional<std::string> stored;
    if (unit.Settings) stored = unit.Settings->OpenReadOnly()->ReadString(kRunDefaultValue);
    std::vector<std::string> words = OutputRunWords(stored.value_or(""), scratchScriptPath);
    // Where the pane cannot read the OEM code page, cscript writes UTF-16.
    if (!KnowsOemCodePage(OemCodePage) && HostWritingOf(words, OemCodePage).form == HostTextForm::OemCodePage)
        words.insert(words.begin() + 1, "//U");
    unit.Files->Replace(scratchScriptPath, ScratchScriptBytes(unit.MainText, unit.Encoding), NewFileAccess::Private);
    Run(words, scratchScriptPath);
    return words;
}

void OutputSession::Run(const std::vector<std::string>& words, const std::string& scratchScriptPath) {
    scratchScriptPath_ = scratchScriptPath;
    for (std::string& partial : partial_) partial.clear();
    stopRequested_ = errorReported_ = false;
    lines_[0] = lines_[1] = 0;
    firstError_.clear();
    started_ = std::chrono::steady_clock::now();
    CapturedProcess::Events events{
        [this](CapturedProcess::Channel channel, std::string_view bytes) { Received(channel, bytes); },
        [this](std::optional<int> exitCode) { Finished(exitCode); }};
    const std::vector<std::string> started = process_.Start(words, std::move(events));
    // Only now is the program known: a host not installed runs through Wine as another.
    const HostWriting writing = HostWritingOf(started, OemCodePage);
    for (HostOutputDecoder& decoder : decoders_) decoder = HostOutputDecoder(writing);
    ownHost_ = StartedProgramName(started) == kOwnHostName;
}

bool OutputSession::MayEndRun(MessageBoxes* boxes) const {
    return !Running() || !boxes ||
           boxes->AskYesNo("A script is still running in the output pane.\n\nEnd it and run this one?");
}

void OutputSession::Stop() {
    if (!process_.Running()) return;
    stopRequested_ = true;
    process_.Stop();
}

void OutputSession::Received(CapturedProcess::Channel channel, std::string_view bytes) {
    Split(channel, decoders_[Index(channel)].Decode(bytes));
}

void OutputSession::Split(CapturedProcess::Channel channel, std::string_view text) {
    std::string& partial = partial_[Index(channel)];
    std::size_t search = partial.size();  // the unfinished line holds no break: only the new text is searched
    partial += text;
    std::size_t from = 0;
    for (std::size_t end; (end = partial.find('\n', search)) != std::string::npos; from = search = end + 1) {
        std::size_t length = end - from;
        if (length > 0 && partial[end - 1] == '\r') --length;
        Emit(channel, std::string_view(partial).substr(from, length));
    }
    // A line that never ends goes on in pieces; one more byte is kept, which
    // may be the CR of its break.
    while (partial.size() - from > kMaxLineLength + 1) {
        const std::size_t piece = Utf8PieceLength(std::string_view(partial).substr(from), kMaxLineLength);
        Emit(channel, std::string_view(partial).substr(from, piece));
        from += piece;
    }
    partial.erase(0, from);
}

void OutputSession::Finished(std::optional<int> exitCode) {
    for (auto channel : {CapturedProcess::Channel::Output, CapturedProcess::Channel::Error}) {
        Split(channel, decoders_[Index(channel)].Finish());
        std::string& partial = partial_[Index(channel)];
        if (partial.ends_with('\r')) partial.pop_back();
        if (!partial.empty()) Emit(channel, std::exchange(partial, {}));
    }
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - started_;
    RunEnd end{exitCode, stopRequested_, errorReported_, {}, taken.count()};
    if (ownHost_ && exitCode == kRefusedOptions && lines_[1] == 1 && firstError_.starts_with(kRefusalStart))
        end.refusal = firstError_.substr(kRefusalStart.size());
    if (OnFinished) OnFinished(RunSummary(end));
}

void OutputSession::Emit(CapturedProcess::Channel channel, std::string_view text) {
    // A longer line is handed on in pieces, the same wherever the host's writes broke it.
    std::size_t at = 0;
    do {
        const std::size_t piece = Utf8PieceLength(text.substr(at), kMaxLineLength);
        OutputLine line{std::string(text.substr(at, piece)), channel, std::nullopt};
        line.place = ParseHostErrorLine(line.text, scratchScriptPath_);
        // Only the error channel tells: a script may print anything on its output.
        errorReported_ = errorReported_ || (channel == CapturedProcess::Channel::Error && IsHostErrorLine(line.text));
        if (lines_[Index(channel)]++ == 0 && channel == CapturedProcess::Channel::Error) firstError_ = line.text;
        if (OnLine) OnLine(line);
        at += piece;
    } while (at < text.size());
}

}  // namespace tarnwick
