#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct MainUnit;

// Colours and tidies one line of the document's RTF text.
std::string ColorRTF(const MainUnit& unit, std::string line);
// Colours the whole document through its RTF form and loads it back.
void ColourWholeDocument(MainUnit& unit);

// The RTF text as a list of lines: split at CR LF, CR or LF; a break at the
// very end starts no further line. Joining puts CR LF after every line.
std::vector<std::string> SplitRtfLines(std::string_view text);
std::string JoinRtfLines(const std::vector<std::string>& lines);

}  // namespace tarnwick
