#include "run/HostOutput.h"

#include "editor/EditorModel.h"
#include "run/CommandLine.h"
#include "run/ScriptRunner.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tarnwick {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Paths compare ignoring case and the kind of slash, as Windows does.
bool SamePath(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto fold = [](char c) { return c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
               return fold(x) == fold(y);
           });
}

bool NamesScratchScript(std::string_view path, std::string_view scratch) {
    const std::size_t slash = scratch.find_last_of("/\\");
    const std::string_view fileName = slash == std::string_view::npos ? scratch : scratch.substr(slash + 1);
    return SamePath(path, scratch) || SamePath(path, WinePath(scratch)) || SamePath(path, fileName);
}

// Reads a decimal number at i, leaving i behind it.
std::optional<int> ReadNumber(std::string_view text, std::size_t& i) {
    const std::size_t from = i;
    long long value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - from < 9)
        value = value * 10 + (text[i++] - '0');
    if (i == from) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::vector<std::string> OutputRunWords(std::string_view storedTemplate, const std::string& scratchScriptPath) {
    std::vector<std::string> words = SplitCommandLine(FormCommand(storedTemplate, scratchScriptPath));
    std::vector<std::string> out = {"cscript", "//nologo"};
    const auto first = words.empty() ? words.end() : words.begin() + 1;  // the stored host is not used
    const auto script = std::find(first, words.end(), scratchScriptPath);
    for (auto it = first; it != script; ++it)
        if (it->starts_with("//") && !SameIgnoringCase(*it, "//nologo"))
            out.push_back(*it);
    out.push_back(scratchScriptPath);
    if (script != words.end()) out.insert(out.end(), script + 1, words.end());
    return out;
}

namespace {

// The place and path of a line in the host's error form: "path(line, column)
// Microsoft VBScript runtime error: ..." or "... compilation error: ...".
std::optional<SourcePlace> ReadHostErrorLine(std::string_view line, std::string_view& path) {
    static constexpr std::string_view kHost = ") Microsoft VBScript ";
    const std::size_t close = line.find(kHost);
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view kind = line.substr(close + kHost.size());
    if (!kind.starts_with("runtime error:") && !kind.starts_with("compilation error:")) return std::nullopt;
    // The path may hold parentheses of its own: the place is the last pair before the host's words.
    const std::size_t open = line.rfind('(', close);
    if (open == std::string_view::npos || open == 0) return std::nullopt;
    std::size_t i = open + 1;
    const std::optional<int> lineNumber = ReadNumber(line, i);
    if (!lineNumber || i + 1 >= close || line.substr(i, 2) != ", ") return std::nullopt;
    i += 2;
    const std::optional<int> column = ReadNumber(line, i);
    if (!column || i != close) return std::nullopt;
    path = line.substr(0, open);
    return SourcePlace{*lineNumber, *column};
}

}  // namespace

std::optional<SourcePlace> ParseHostErrorLine(std::string_view line, std::string_view scratchScriptPath) {
    std::string_view path;
    const std::optional<SourcePlace> place = ReadHostErrorLine(line, path);
    if (!place || !NamesScratchScript(path, scratchScriptPath)) return std::nullopt;
    return place;
}

bool IsHostErrorLine(std::string_view line) {
    std::string_view path;
    return ReadHostErrorLine(line, path).has_value();
}

int PositionOfPlace(const EditorModel& document, SourcePlace place, TextEncoding encoding) {
    const int lastLine = std::max(0, document.BreakCount());
    const int line = std::clamp(place.line - 1, 0, lastLine);
    const int start = document.LineIndex(line);
    if (encoding == TextEncoding::Ansi) return start + std::clamp(place.column - 1, 0, document.LineLength(start));
    const std::string text = document.Line(line);
    std::size_t at = 0;
    for (int units = 0; units < place.column - 1 && at < text.size(); at += CharLength(text, at, encoding))
        units += CodePointAt(text, at, encoding) >= 0x10000 ? 2 : 1;
    return start + static_cast<int>(at);
}

std::string RunSummary(const RunEnd& end) {
    char time[32];
    std::snprintf(time, sizeof time, " after %.2f s", end.seconds);
    if (end.stoppedByUser) return std::string("Stopped") + time;
    if (!end.refusal.empty()) return "Not run: " + end.refusal;
    if (end.errorReported) return std::string("Ended with an error") + time;
    if (!end.exitCode) return std::string("Ended abnormally") + time;
    return "Exit code " + std::to_string(*end.exitCode) + time;
}

}  // namespace tarnwick
