#include "run/OutputSession.h"

#include "unit/MainUnit.h"
#include "settings/SettingsStore.h"
#include "run/RunOptions.h"
#include "run/ScriptRunner.h"

#include <utility>

namespace tarnwick {

std::vector<std::string> OutputSession::Start(MainUnit& unit, const std::string& scratchScriptPath) {
    std::optional<std::string> stored;
    if (unit.Settings) stored = unit.Settings->OpenReadOnly()->ReadString(kRunDefaultValue);
    const std::vector<std::string> words = OutputRunWords(stored.value_or(""), scratchScriptPath);
    unit.Files->Replace(scratchScriptPath, ScratchScriptBytes(unit.MainText, unit.Encoding), NewFileAccess::Private);
    scratchScriptPath_ = scratchScriptPath;
    for (std::string& partial : partial_) partial.clear();
    stopRequested_ = false;
    started_ = std::chrono::steady_clock::now();
    process_.Start(words, {[this](CapturedProcess::Channel channel, std::string_view bytes) { Received(channel, bytes); },
                           [this](std::optional<int> exitCode) { Finished(exitCode); }});
    return words;
}

void OutputSession::Stop() {
    if (!process_.Running()) return;
    stopRequested_ = true;
    process_.Stop();
}

void OutputSession::Received(CapturedProcess::Channel channel, std::string_view bytes) {
    std::string& partial = partial_[static_cast<int>(channel)];
    std::size_t search = partial.size();  // the unfinished line holds no break: only the new bytes are searched
    partial += bytes;
    std::size_t from = 0;
    for (std::size_t end; (end = partial.find('\n', search)) != std::string::npos; from = search = end + 1) {
        std::size_t length = end - from;
        if (length > 0 && partial[end - 1] == '\r') --length;
        Emit(channel, std::string_view(partial).substr(from, length));
    }
    // A line that never ends goes on in pieces; one more byte is kept, which
    // may be the CR of its break.
    for (; partial.size() - from > kMaxLineLength + 1; from += kMaxLineLength)
        Emit(channel, std::string_view(partial).substr(from, kMaxLineLength));
    partial.erase(0, from);
}

void OutputSession::Finished(std::optional<int> exitCode) {
    for (auto channel : {CapturedProcess::Channel::Output, CapturedProcess::Channel::Error}) {
        std::string& partial = partial_[static_cast<int>(channel)];
        if (partial.ends_with('\r')) partial.pop_back();
        if (!partial.empty()) Emit(channel, std::exchange(partial, {}));
    }
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - started_;
    if (OnFinished) OnFinished(RunSummary(exitCode, stopRequested_, taken.count()));
}

void OutputSession::Emit(CapturedProcess::Channel channel, std::string_view text) {
    // A longer line is handed on in pieces, the same wherever the host's writes broke it.
    std::size_t at = 0;
    do {
        OutputLine line{std::string(text.substr(at, kMaxLineLength)), channel, std::nullopt};
        line.place = ParseHostErrorLine(line.text, scratchScriptPath_);
        if (OnLine) OnLine(line);
        at += kMaxLineLength;
    } while (at < text.size());
}

}  // namespace tarnwick
