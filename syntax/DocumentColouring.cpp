#include "syntax/DocumentColouring.h"

#include "app/MainUnit.h"
#include "syntax/DocumentLineColouring.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

ColouredText ColourDocument(std::string_view text, const Colour* own, const SyntaxEntries& table,
                            const ColourSettings& colours) {
    DocumentLineColourer colourer(table, colours);
    ColouredText out;
    // The spacing around "=" makes a line at most a little longer; the buffers grow further by themselves.
    out.text.reserve(text.size() + text.size() / 16 + 16);
    out.colours.reserve(out.text.capacity());
    // A plain file has no colours of its own: its colours are made, not copied.
    const bool plain = own == nullptr || std::all_of(own, own + text.size(), [](Colour c) { return c == kWindowTextColour; });
    std::size_t start = 0;
    for (;;) {
        const void* cr = std::memchr(text.data() + start, '\r', text.size() - start);
        const std::size_t end = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text.data()) : text.size();
        colourer.AppendLine(text.substr(start, end - start), plain ? nullptr : own + start, out.text, out.colours);
        if (end == text.size()) break;
        // The break keeps its characters and their colours (a lone CR, which the model never holds, too).
        const std::size_t breakEnd = end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
        out.text.append(text, end, breakEnd - end);
        if (plain) out.colours.insert(out.colours.end(), breakEnd - end, kWindowTextColour);
        else out.colours.insert(out.colours.end(), own + end, own + breakEnd);
        start = breakEnd;
    }
    return out;
}

void ColourWholeDocument(MainUnit& unit) {
    EditorModel& m = unit.MainText;
    // A plain document (every file that is no RTF) has no colours to copy out.
    const std::vector<Colour> own = m.AllStoredAs(kWindowTextColour) ? std::vector<Colour>() : m.StoredColours();
    ColouredText coloured = ColourDocument(m.Text(), own.empty() ? nullptr : own.data(), unit.SyntaxTable,
                                           unit.CurrentColours());
    m.LoadColoured(std::move(coloured.text), std::move(coloured.colours));
}

}  // namespace tarnwick
