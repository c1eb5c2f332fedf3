#pragma once

#include "language/Syntax.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::language {

// How the checked text is held, which decides what a column counts: in a
// Windows-1252 text every byte is a character; in UTF-8 text the host counts
// UTF-16 units, as it reads a Unicode script.
enum class TextForm { Ansi, Utf8 };

enum class Severity { Error, Warning };

// One finding of the check. Errors are the script host's compile errors, with
// its number and English text; warnings go beyond the host and never block a run.
struct Diagnostic {
    Severity severity = Severity::Error;
    int number = 0;       // the host's error number (1002 ...); a warning's own number
    std::string text;     // "Expected 'End'", "Variable is undefined: 'x'" ...
    int line = 1;         // 1-based, as the host reports it
    int column = 1;       // 1-based, in characters of the line as the host reads it; a tab is one
    int offset = 0;       // byte offset in the checked text where the mark starts
    int length = 0;       // bytes the mark covers (0 at the end of the text)
    bool operator==(const Diagnostic&) const = default;
};

struct CheckOptions {
    bool warnings = true;  // also report the findings beyond the host
};

// Every finding in the script, in the order of their positions, except that the
// first error is exactly the one the host reports (an error in reading the
// script comes before a redefined name found once it is read). Never throws
// on any input; nesting deeper than the check follows is "Out of memory".
std::vector<Diagnostic> CheckScript(std::string_view text, TextForm form, const CheckOptions& options = {});

// The script's findings and its tree of scopes, names and uses, from one reading.
struct Analysis {
    std::vector<Diagnostic> diagnostics;
    SyntaxTree tree;
};
Analysis AnalyzeScript(std::string_view text, TextForm form, const CheckOptions& options = {});

// Sets `found`'s line and column from its offset, counting on from `known`, a finding at or
// before it whose line is right (not one placed after the text's end).
void FindPositionAfter(std::string_view text, TextForm form, const Diagnostic& known, Diagnostic& found);

struct RawDiagnostic;
// The findings of a script already read into `analysis.tree`, where reading it
// found `raw`: the checks after reading, in the order and form AnalyzeScript gives.
void FinishAnalysis(std::string_view text, TextForm form, const CheckOptions& options, std::vector<RawDiagnostic> raw,
                    Analysis& analysis);

// A finding in the host's line form: "PATH(LINE, COL) Microsoft VBScript
// compilation error: TEXT" for an error, "PATH(LINE, COL) Tarnwick warning: TEXT"
// for a warning (the same shape, so the output pane's links reach both).
std::string HostLine(std::string_view path, const Diagnostic& diagnostic);

}  // namespace tarnwick::language
