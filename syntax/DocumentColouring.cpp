#include "syntax/DocumentColouring.h"

#include "app/MainUnit.h"
#include "options/ColourSettingsLoader.h"
#include "syntax/RtfLineColouring.h"

namespace tarnwick {

std::vector<std::string> SplitRtfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(i));
            break;
        }
        lines.emplace_back(text.substr(i, end - i));
        i = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string JoinRtfLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string ColorRTF(const MainUnit& unit, std::string line) {
    return RtfLineColourer(unit.SyntaxTable)(std::move(line));
}

void ColourWholeDocument(MainUnit& unit) {
    std::vector<std::string> lines = SplitRtfLines(unit.MainText.SaveToRtf());
    lines.insert(lines.begin() + (lines.empty() ? 0 : 1), ColourTableLine(unit.CurrentColours()));

    // The first TAB of the text becomes four spaces; no line break is added, so the lines stay as they are.
    for (std::string& line : lines) {
        if (std::size_t tab = line.find('\t'); tab != std::string::npos) {
            line.replace(tab, 1, "    ");
            break;
        }
    }

    const RtfLineColourer colour(unit.SyntaxTable);
    for (std::string& line : lines) line = colour(std::move(line));
    unit.MainText.LoadFromRtf(JoinRtfLines(lines));
}

}  // namespace tarnwick
