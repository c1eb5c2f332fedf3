#pragma once

#include "editor/Colour.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Whether colour table entries 1 to 3 stand for the colour roles functions,
// statements and comments: text in them then carries its role (WithRole).
enum class RtfColourRoles : bool { None, FirstThreeEntries };

struct RtfDocument {
    std::string text;              // CR LF line breaks, Windows-1252
    std::vector<Colour> colours;   // one per character of text
    std::string fontName;          // the default font's name; empty when the font table names none
};

// Reads RTF as written by WriteRtf and ordinary RTF from other programs:
// groups, \par, \line, \tab, \cfN, \colortbl, \fonttbl, \'hh, \uN with its
// fallback, \* destinations and \binN skipped, unknown words ignored. Text that
// does not start with "{\rtf", or nesting deeper than the reader allows,
// throws Error("Failed to Load Stream"); a truncated document loads what it has.
RtfDocument ReadRtf(std::string_view rtf, RtfColourRoles roles = RtfColourRoles::None);

// How deeply groups may nest before the reader gives up.
inline constexpr int kMaxRtfGroupDepth = 500;

}  // namespace tarnwick
