#include "syntax/DocumentColouring.h"

#include "syntax/DocumentLineColouring.h"
#include "unit/MainUnit.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {
namespace {

// Colours every line of `text` into `out` and `colours`; `own` is null when
// every character has the window text colour.
void ColourLines(std::string_view text, const Colour* own, DocumentLineColourer& colourer, std::string& out,
                 std::vector<Colour>& colours) {
    // The spacing around "=" makes a line at most a little longer; the buffers grow further by themselves.
    out.reserve(text.size() + text.size() / 16 + 16);
    colours.reserve(out.capacity());
    std::size_t start = 0;
    for (;;) {
        const void* cr = std::memchr(text.data() + start, '\r', text.size() - start);
        const std::size_t end = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - text.data()) : text.size();
        colourer.AppendLine(text.substr(start, end - start), own == nullptr ? nullptr : own + start, out, colours);
        if (end == text.size()) break;
        // The break keeps its characters and their colours (a lone CR, which the model never holds, too).
        const std::size_t breakEnd = end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
        out.append(text, end, breakEnd - end);
        if (own == nullptr) colours.insert(colours.end(), breakEnd - end, kWindowTextColour);
        else colours.insert(colours.end(), own + end, own + breakEnd);
        start = breakEnd;
    }
}

}  // namespace

ColouredText ColourDocument(std::string_view text, const Colour* own, const SyntaxEntries& table,
                            const ColourSettings& colours) {
    DocumentLineColourer colourer(table, colours);
    ColouredText out;
    // A plain file has no colours of its own: its colours are made, not copied.
    const bool plain = own == nullptr || std::all_of(own, own + text.size(), [](Colour c) { return c == kWindowTextColour; });
    ColourLines(text, plain ? nullptr : own, colourer, out.text, out.colours);
    return out;
}

void ColourWholeDocument(MainUnit& unit) {
    EditorModel& m = unit.MainText;
    const std::vector<Colour>& entries = m.ColourEntries();
    if (entries.size() + 3 > ColourTable::kMaxEntries) {
        // No room for the rules' three colours beside the document's own: stored colours then.
        const std::vector<Colour> own = m.StoredColours();
        ColouredText coloured = ColourDocument(m.Text(), own.data(), unit.SyntaxTable, unit.CurrentColours());
        m.LoadColoured(std::move(coloured.text), std::move(coloured.colours));
        return;
    }
    // One byte per character: the document's own colour indices, and after
    // them in the palette the colours the rules write.
    DocumentLineColourer colourer(unit.SyntaxTable, unit.CurrentColours());
    std::vector<Colour> palette = entries;
    const ColourSettings settings = unit.CurrentColours();
    const auto next = static_cast<char>(palette.size());
    palette.push_back(WithRole(settings.functions, ColourRole::Functions));
    palette.push_back(WithRole(settings.statements, ColourRole::Statements));
    palette.push_back(WithRole(settings.comments, ColourRole::Comments));
    colourer.UseIndices(next, static_cast<char>(next + 1), static_cast<char>(next + 2));
    m.RewriteLines(
        [&colourer](std::string_view line, std::string_view own, std::string& text, std::string& indices) {
            colourer.AppendLine(line, own.data(), text, indices);
        },
        palette);
}

}  // namespace tarnwick
