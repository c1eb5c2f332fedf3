#pragma once

namespace tarnwick {

struct MainUnit;

// Whether colouring also rewrites the line (spacing around "=", the table's
// and the declarations' spellings) or only colours it.
enum class Tidy : bool { No, Yes };

// Recolours and tidies the 1-based line L of the document, then puts the caret
// back on line CurLine at the column it had on entry. Sets Busy on entry and
// clears it on exit, unless the line is empty.
void ColorText(MainUnit& unit, int line, Tidy tidy = Tidy::Yes);

}  // namespace tarnwick
