#pragma once

#include "editor/TextEncoding.h"
#include "language/Check.h"
#include "run/OutputSession.h"

#include <string>
#include <vector>

namespace tarnwick {

// What Check Syntax shows in the output pane, in UTF-8 as the pane reads it.
struct CheckListing {
    std::string title;              // "Check Syntax: PATH"
    std::vector<OutputLine> lines;  // each finding in the host's form, a link to its place, or "No errors found"
    std::string summary;            // "No errors found", "2 errors, 1 warning" ...
};

// The listing of the findings of the script at `path` (UTF-8), whose text,
// which the findings quote, is held in `encoding`.
CheckListing ListFindings(const std::vector<language::Diagnostic>& found, const std::string& path,
                          TextEncoding encoding);

}  // namespace tarnwick
