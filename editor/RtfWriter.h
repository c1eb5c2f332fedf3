#pragma once

#include "editor/Colour.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Writes text (CR LF line breaks) with one colour per character as RTF in the
// line layout the whole-document colouring relies on:
//   line 0   the header with the font table: {\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fmodern\fcharset0 <font>;}}
//   line 1   {\colortbl ;...} when any character has a colour other than the window-text colour
//   next     \viewkind4\uc1\pard\f0\fs<2 x size> and the first text line
//   then     "\par " and the text, for every later line
//   last     \par }
// Inside text, "\", "{" and "}" are escaped with a backslash and a tab is
// written as "\tab ". A byte above 127 or below 32 is written as \'hh (two
// lower-case hex digits); colouring must skip such an escape, whose apostrophe
// is no comment mark. Colour changes are written as "\cfN " with a space.
std::string WriteRtf(std::string_view text, const std::vector<Colour>& colours, const std::string& fontName,
                     int fontSize);
// The same with the colours as one byte per character indexing `table`.
std::string WriteRtf(std::string_view text, std::string_view colourIndices, const std::vector<Colour>& table,
                     const std::string& fontName, int fontSize);

}  // namespace tarnwick
