#pragma once

#include "language/Check.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::language {

// "--check": the first argument that makes the program a checker with no window.
inline constexpr std::string_view kCheckOption = "--check";

// True when the program's arguments (argv[0] first) ask for the command-line check.
bool IsCheckCommand(const std::vector<std::string>& arguments);

using Checker = std::function<std::vector<Diagnostic>(std::string_view, TextForm, const CheckOptions&)>;

// tarnwick --check [--warnings] [--format=host|gcc|json] FILE...
// Reads each file as the editor does and writes its findings to out: errors
// always, warnings with --warnings. Returns 0 when no file has an error, 1
// when one has, 2 when a file cannot be read or the arguments are wrong (the
// reason goes to err; the other files are still checked).
int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const Checker& check = CheckScript);

// The finding as a compiler's line: "PATH:LINE:COL: error: TEXT [NUMBER]".
std::string GccLine(std::string_view path, const Diagnostic& diagnostic);

}  // namespace tarnwick::language
