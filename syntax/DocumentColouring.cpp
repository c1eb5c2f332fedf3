#include "syntax/DocumentColouring.h"

#include "app/MainUnit.h"
#include "app/RtfWriter.h"
#include "options/ColourSettingsLoader.h"
#include "syntax/RtfLineColouring.h"

namespace tarnwick {
namespace {

// Index of the first CR or LF at or after `from`, or npos.
std::size_t FindBreak(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n') return i;
    return std::string_view::npos;
}

}  // namespace

std::vector<std::string> SplitRtfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = FindBreak(text, i);
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
    return RtfLineColourer(unit.SyntaxTable)(line);
}

// The lines of the RTF text with the colour table line inserted after the
// first, each coloured, joined with CR LF; done in one pass over the text.
void ColourWholeDocument(MainUnit& unit) {
    // Written without the document's colours: a colour table of its own would
    // give its "\cfN" words other meanings next to the one inserted below.
    const EditorModel& m = unit.MainText;
    std::string rtf = WriteRtf(m.Text(), {}, m.FontName(), m.FontSize());
    // The first TAB of the text becomes four spaces (no line break comes or goes, so the lines stay as they are).
    if (std::size_t tab = rtf.find('\t'); tab != std::string::npos) rtf.replace(tab, 1, "    ");
    const std::string colourTable = ColourTableLine(unit.CurrentColours());

    RtfLineColourer colour(unit.SyntaxTable);
    std::string coloured;
    // Colour words add about a third to ordinary code; the text grows further by itself if need be.
    coloured.reserve(rtf.size() + rtf.size() / 2 + colourTable.size() + 64);
    std::string_view text = rtf;
    bool first = true;
    while (!text.empty()) {
        std::size_t end = FindBreak(text, 0);
        colour.AppendColoured(text.substr(0, end), coloured);
        coloured += "\r\n";
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1));
        if (first) {
            colour.AppendColoured(colourTable, coloured);
            coloured += "\r\n";
            first = false;
        }
    }
    if (first) {  // a text of one line, or none
        colour.AppendColoured(colourTable, coloured);
        coloured += "\r\n";
    }
    unit.MainText.LoadFromRtf(coloured, RtfColourRoles::FirstThreeEntries);
}

}  // namespace tarnwick
