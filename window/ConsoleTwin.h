#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// On Windows the editor is a windowed program, which a console neither waits
// for nor lends its window to. Its console twin, tarnwick.com beside
// tarnwick.exe, is what cmd and PowerShell start for "tarnwick": it checks
// scripts itself and hands every other command line on to the editor.
enum class TwinStep {
    Check,         // the check runs in the console, which waits for its exit code
    ServeAndWait,  // the language server gets the console's handles and its exit code is passed on
    StartEditor,   // the editor opens its window; the console has its prompt back at once
};

// What the twin does with its arguments (argv[0] first).
TwinStep ChooseTwinStep(const std::vector<std::string>& arguments);

// The windowed program beside the twin: its path with ".exe" for ".com".
std::string EditorBesideTwin(std::string_view twinPath);

// The command line that starts `program` with arguments[1...] as its argument
// vector: each word quoted so that the started program reads it back exactly.
std::string ForwardedCommandLine(std::string_view program, const std::vector<std::string>& arguments);

}  // namespace tarnwick
