#pragma once

// Renders text with its colours inline, for tests and golden files: a marker
// stands wherever the colour changes and at the start of every line.
//   {F} functions  {S} statements  {C} comments  {0} black  {W} window text
//   {#rrggbb} any other colour

#include "editor/EditorModel.h"
#include "options/ColourSettings.h"

#include <cstdio>
#include <string>

namespace tarnwick::testing {

inline std::string ColourMarker(Colour c, const ColourSettings& colours) {
    if (c == colours.functions) return "{F}";
    if (c == colours.statements) return "{S}";
    if (c == colours.comments) return "{C}";
    if (c == kBlack) return "{0}";
    if (c == kWindowTextColour) return "{W}";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "{#%02x%02x%02x}", RedOf(c), GreenOf(c), BlueOf(c));
    return buffer;
}

// Characters [from, to) of the model with colour markers; CR LF stays as it is.
inline std::string Styled(const EditorModel& m, const ColourSettings& colours, int from, int to) {
    std::string out;
    bool lineStart = true;
    Colour last = 0;
    for (int i = from; i < to; ++i) {
        char c = m.Text()[i];
        if (c == '\r' || c == '\n') {
            out += c;
            lineStart = true;
            continue;
        }
        Colour colour = m.ColourAt(i);
        if (lineStart || colour != last) out += ColourMarker(colour, colours);
        out += c;
        last = colour;
        lineStart = false;
    }
    return out;
}

inline std::string StyledLine(const EditorModel& m, const ColourSettings& colours, int index) {
    int start = m.LineIndex(index);
    return Styled(m, colours, start, start + m.LineLength(start));
}

inline std::string StyledDocument(const EditorModel& m, const ColourSettings& colours) {
    return Styled(m, colours, 0, m.Length());
}

}  // namespace tarnwick::testing
