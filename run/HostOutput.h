#pragma once

#include "editor/TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class EditorModel;

// The argument vector of a run whose output the pane shows: cscript without
// its banner, the host options of the stored default command template (its
// host is not used: only cscript writes to its standard output), the scratch
// script, and the words that follow the placeholder in the template, which
// are the script's own arguments. "//U" stays: the pane reads UTF-16 then.
std::vector<std::string> OutputRunWords(std::string_view storedTemplate, const std::string& scratchScriptPath);

// A place in the script as the host reports it: 1-based line and column.
struct SourcePlace {
    int line = 1;
    int column = 1;
    bool operator==(const SourcePlace&) const = default;
};

// The place named by a host error line about the scratch script, in either of
// the host's forms "path(line, column) Microsoft VBScript runtime error: ..."
// and "... compilation error: ...". The path may be the scratch script's own
// or its Wine form, in any case. None for any other line.
std::optional<SourcePlace> ParseHostErrorLine(std::string_view line, std::string_view scratchScriptPath);

// The character position of a place, kept inside the document: a line past
// the last goes to the last, a column past the line's end to its end. In a
// Unicode document the host counts the column in UTF-16 units of the scratch
// script, so a character beyond the basic plane counts two.
int PositionOfPlace(const EditorModel& document, SourcePlace place, TextEncoding encoding = TextEncoding::Ansi);

// Whether the line has the form of a host's error line, about any file.
bool IsHostErrorLine(std::string_view line);

// How a run ended, as the pane's status tells it.
struct RunEnd {
    std::optional<int> exitCode;  // none when it did not end by itself
    bool stoppedByUser = false;
    bool errorReported = false;  // the host wrote an error line on its error channel
    std::string refusal;         // our host's reason for running nothing
    double seconds = 0;
};

// "Exit code 3 after 1.25 s"; "Stopped after ..." for a run the user ended;
// "Ended with an error after ..." for one whose host reported an error;
// "Not run: <reason>" for one whose host refused its options; "Ended
// abnormally after ..." for one that crashed.
std::string RunSummary(const RunEnd& end);

}  // namespace tarnwick
