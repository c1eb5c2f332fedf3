#include "run/CommandLine.h"

#include "editor/Ansi.h"

#include <utility>

namespace tarnwick {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the program name from i on: it knows no escapes. Leaves i after it.
std::string ReadProgramName(std::string_view line, std::size_t& i) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    std::string program;
    if (i < line.size() && line[i] == '"') {
        const std::size_t end = line.find('"', i + 1);
        program = line.substr(i + 1, (end == std::string_view::npos ? line.size() : end) - i - 1);
        i = end == std::string_view::npos ? line.size() : end + 1;
    }
    while (i < line.size() && !IsBlank(line[i])) program += line[i++];
    return program;
}

}  // namespace

std::string_view ArgumentsPart(std::string_view line) {
    std::size_t i = 0;
    ReadProgramName(line, i);
    return line.substr(i);
}

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    std::string program = ReadProgramName(line, i);
    if (program.empty() && i == line.size()) return words;
    words.push_back(std::move(program));

    for (;;) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size()) break;
        std::string word;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            if (line[i] == '\\') {
                std::size_t backslashes = 0;
                while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
                if (i < line.size() && line[i] == '"') {
                    word.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        word += '"';
                        ++i;
                    }
                } else {
                    word.append(backslashes, '\\');
                }
            } else if (line[i] == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    word += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string QuoteArgument(std::string_view argument) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            // Backslashes before a quote are doubled, and the quote escaped.
            if (c == '"') out.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        out += c;
    }
    out.append(backslashes, '\\');  // before the closing quote
    return out + '"';
}

std::string ProgramName(std::string_view program) {
    const std::size_t slash = program.find_last_of("/\\");
    std::string name = AsciiLowerCase(slash == std::string_view::npos ? program : program.substr(slash + 1));
    if (name.size() > 4 && name.ends_with(".exe")) name.resize(name.size() - 4);
    return name;
}

bool IsScriptHost(std::string_view program) {
    const std::string name = ProgramName(program);
    return name == "wscript" || name == "cscript";
}

std::string WinePath(std::string_view localPath) {
    std::string out = "Z:";
    for (char c : localPath) out += c == '/' ? '\\' : c;
    return out;
}

ProcessLaunch PlanLaunch(const std::vector<std::string>& words, const std::string& scratchScriptPath,
                         bool programOnPath, const std::string& ourHost) {
    ProcessLaunch launch{words.front(), {words.begin() + 1, words.end()}, false};
    if (programOnPath || !IsScriptHost(launch.program)) return launch;
    if (!ourHost.empty()) {
        if (ProgramName(launch.program) == "wscript") launch.arguments.insert(launch.arguments.begin(), "//wscript");
        launch.program = ourHost;
    }
    launch.arguments.insert(launch.arguments.begin(), launch.program);
    launch.program = "wine";
    launch.throughWine = true;
    for (std::string& argument : launch.arguments)
        if (argument == scratchScriptPath) argument = WinePath(argument);
    return launch;
}

std::string StartFailureMessage(const ProcessLaunch& launch) {
    if (launch.throughWine)
        return "Cannot start \"" + launch.arguments.front() +
               "\". Scripts run through Wine on this system, and Wine was not found: install it (on Debian "
               "and Ubuntu: sudo apt-get install wine)";
    return "Cannot start \"" + launch.program +
           "\". The program was not found or cannot be run: check its name in the command line, or install it";
}

}  // namespace tarnwick
