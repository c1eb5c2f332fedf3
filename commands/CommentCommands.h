#pragma once

#include <string_view>

namespace tarnwick {

class EditorModel;
struct MainUnit;

// The line commands act on the caret's line when nothing is selected, or on
// every line the selection touches; a selection that ends right after a line
// break takes in the line that follows. Each command is one undo step.

// Puts an apostrophe in column 1 of each line, in front of any indentation,
// and recolours the line. Without a selection the caret ends at the end of the
// line; with one, the selection keeps its start and grows by one character per line.
void mCommentClick(MainUnit& unit);
// Takes one apostrophe from each line whose very first character is one (an
// apostrophe after indentation and a REM are left alone) and recolours every
// line of the range. With a selection, it keeps its start and shrinks by one
// character per changed line.
void mUncommentClick(MainUnit& unit);

// ---- Shared with the indent commands ---------------------------------------------

struct CommandLines {
    int first = 1;  // 1-based
    int last = 1;
};
// The lines of the selection: from the line of its start to the line holding
// the position just after it.
CommandLines SelectedLines(const EditorModel& m);

// Puts the caret at the start of 1-based line n. The caret tracker may recolour
// the line it left when Busy is clear, which can move line n: the start is read
// again once the caret has moved.
void PlaceCaretAtLineStart(EditorModel& m, int n);

// Replaces the text of 1-based line n, its break kept; the caret ends after the new text.
void ReplaceLine(EditorModel& m, int n, std::string_view text);

// Takes `prefix` from the start of each line of the range that begins with it
// and recolours every line of the range, changed or not. Busy is set for a
// selection only (colouring clears it after each line) and clear at the end.
void RemoveLinePrefix(MainUnit& unit, std::string_view prefix);

}  // namespace tarnwick
