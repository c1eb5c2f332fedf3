#pragma once

namespace tarnwick {

struct MainUnit;

// Indentation is four spaces; neither command inserts or removes a tab. Both
// act on the caret's line or on every line the selection touches, as the
// comment commands do, and each is one undo step.

// Puts four spaces in front of each line. The colours stay as they are (no
// line is recoloured) and so does the first visible line. Without a selection
// the caret stays in front of the same character; with one, the selection
// keeps its start and grows by four characters per line.
void mIndentClick(MainUnit& unit);
// Takes four spaces from each line that begins with four and recolours every
// line of the range. With a selection, it keeps its start and shrinks by four
// characters per changed line.
void mOutdentClick(MainUnit& unit);

}  // namespace tarnwick
