#pragma once

namespace tarnwick {

struct MainUnit;

// Recolours and tidies the 1-based line L of the document, then puts the caret
// back on line CurLine at the column it had on entry. Sets Busy on entry and
// clears it on exit, unless the line is empty.
void ColorText(MainUnit& unit, int line);

}  // namespace tarnwick
