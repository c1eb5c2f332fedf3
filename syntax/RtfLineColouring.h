#pragma once

#include "syntax/SyntaxTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
// costs one pass over its words instead of one search per keyword. A colourer
// keeps scratch buffers between lines; use one per thread.
class RtfLineColourer {
public:
    explicit RtfLineColourer(const SyntaxEntries& table);

    std::string operator()(std::string_view line);
    // Appends the coloured line to `out`.
    void AppendColoured(std::string_view line, std::string& out);

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::string foldedName;
        const TColorCoding* entry = nullptr;
    };

    void Index(const TColorCoding& entry);
    const TColorCoding* Find(std::string_view word, std::uint32_t hash) const;
    void AppendByWord(std::string_view line, const std::string& scan, std::string& out) const;

    const SyntaxEntries& table_;
    // Lower-cased keyword names, each to the first coloured entry that has it (open addressing).
    std::vector<Slot> slots_;
    // Bit n of the entry for a lower-cased first letter: some keyword of n letters begins with it.
    std::uint64_t lengthsByFirst_[256] = {};
    // False when some keyword is no single word; every line then takes the step-by-step searches.
    bool byWord_ = true;

    // Scratch: the line being coloured and its scan copy.
    std::string line_;
    std::string scan_;
};

// The same colouring, done the slow way: one search per keyword entry and per
// match, exactly in the order of the steps. Kept as the reference the fast
// colourer is tested against.
std::string ColorRtfStepByStep(const SyntaxEntries& table, std::string line);

// Whether the line is one of the structural lines that are left alone.
bool IsStructuralRtfLine(std::string_view line);

}  // namespace tarnwick
