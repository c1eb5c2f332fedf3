#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// A command line split into its words by the rules Windows programs use:
// the program name ends at the first blank or, when it starts with a double
// quote, at the next one; in the arguments a double quote starts or ends a
// quoted part, two double quotes inside one stand for one, and backslashes
// are literal unless they come before a double quote, where each pair gives
// one backslash and an odd one makes the quote literal.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// What follows the program name in a command line: its arguments as written.
std::string_view ArgumentsPart(std::string_view commandLine);

// The argument in double quotes, so that SplitCommandLine reads it back
// unchanged. A path as Windows spells it (no quote, no final backslash) just
// gets the two quotes.
std::string QuoteArgument(std::string_view argument);

// A program and its argument vector, started directly, never through a shell.
struct ProcessLaunch {
    std::string program;
    std::vector<std::string> arguments;
    bool throughWine = false;
    bool operator==(const ProcessLaunch&) const = default;
};

// True for "wscript" and "cscript" in any case, with or without ".exe" and a folder.
bool IsScriptHost(std::string_view program);
// A program's file name without its folder and ".exe", in lower case.
std::string ProgramName(std::string_view program);

// A local path as Wine's programs see it: "Z:" and the path with backslashes.
std::string WinePath(std::string_view localPath);

// How a split command line is started where the script hosts are no native
// programs: a host that is not on the PATH runs through Wine, and the scratch
// script it is given is handed over in Wine's form. With `ourHost`, the path
// of our own console host, that host runs in place of Wine's cscript (and of
// its wscript, as "//wscript"), since Wine's report no script errors.
// Anything else is started as it stands. `words` must not be empty.
ProcessLaunch PlanLaunch(const std::vector<std::string>& words, const std::string& scratchScriptPath,
                         bool programOnPath, const std::string& ourHost = {});

// The file name of our own console host, shipped beside the program.
inline constexpr const char* kOurHostName = "tarnwick-host.exe";

// The message for a program that could not be started: it names the program
// and says how to get it.
std::string StartFailureMessage(const ProcessLaunch& launch);

}  // namespace tarnwick
