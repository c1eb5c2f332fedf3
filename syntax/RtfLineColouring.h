#pragma once

#include "syntax/SyntaxTable.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace tarnwick {

// Colours and tidies one line of the document's RTF text: single spaces around
// each "=", every keyword respelled as the table has it and wrapped in "\cf1"
// (functions) or "\cf2" (statements) and "\cf0 ", and a comment opened with
// "\cf3" and closed with "\cf0 " at the end of the line. The lines "\par }",
// " " and "\par " are left as they are. Keywords are found as whole words
// outside strings and comments, in table order; a word already wrapped is not
// wrapped again. Control words and escapes are never searched (RtfScanCopy.h).
//
// Building one colourer indexes the table's keywords once, so that each line
// costs one pass over its words instead of one search per keyword.
class RtfLineColourer {
public:
    explicit RtfLineColourer(const SyntaxEntries& table);
    std::string operator()(std::string line) const;

private:
    std::string ColourKeywordsByWord(const std::string& line, std::string& scan) const;

    const SyntaxEntries& table_;
    // Lower-cased name of each keyword to the first coloured entry that has it.
    std::unordered_map<std::string, const TColorCoding*> keywords_;
    std::size_t longestName_ = 0;
    // False when some keyword is no single word; every line then takes the step-by-step searches.
    bool byWord_ = true;
};

// The same colouring, done the slow way: one search per keyword entry and per
// match, exactly in the order of the steps. Kept as the reference the fast
// colourer is tested against.
std::string ColorRtfStepByStep(const SyntaxEntries& table, std::string line);

// Whether the line is one of the structural lines that are left alone.
bool IsStructuralRtfLine(std::string_view line);

}  // namespace tarnwick
