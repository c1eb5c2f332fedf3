#pragma once

#include "editor/Colour.h"
#include "options/ColourSettings.h"
#include "syntax/SyntaxTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct MainUnit;

struct ColouredText {
    std::string text;
    std::vector<Colour> colours;  // stored colours, with their roles
};

// Colours and tidies every line of a document (CR LF breaks) as DocumentLineColourer
// does; `own` holds the colour each character has now, which every character
// that no rule colours keeps, line breaks included; null: all the window text colour.
ColouredText ColourDocument(std::string_view text, const Colour* own, const SyntaxEntries& table,
                            const ColourSettings& colours);
// Colours the whole document with the colours in force and loads the result in
// one call, as a file is opened: the undo history is cleared, the caret goes
// to the start, the font stays.
void ColourWholeDocument(MainUnit& unit);

}  // namespace tarnwick
