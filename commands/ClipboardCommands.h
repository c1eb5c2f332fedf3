#pragma once

#include <string>

namespace tarnwick {

struct MainUnit;

// The small editing commands of the Edit menu, the tool bar and the clipboard keys.

// Puts the selection on the clipboard; nothing happens without a selection.
void mCopyClick(MainUnit& unit);
// Puts the selection on the clipboard and removes it from the document.
void mCutClick(MainUnit& unit);
// Pastes at the selection and recolours every line that received text; the
// caret ends right after the pasted text. One undo step.
void mPasteClick(MainUnit& unit);
void mUndoClick(MainUnit& unit);

inline constexpr const char* kPdfFilter = "PDF File (*.pdf)|*.pdf";
void mSelectAllClick(MainUnit& unit);
// Prints the document with its file name as the job title.
void mPrintClick(MainUnit& unit);

// The go-to-line box passes backspace, Enter and digits; any other character becomes 0.
char FilterGotoCharacter(char typed);
// Moves the caret to the start of the line the box names (0: the caret's own
// line) and scrolls it into view. A line past the last leaves the caret where
// it is. Throws Error("'<text>' is not a valid integer value") for text that is no integer.
void GoToLine(MainUnit& unit, const std::string& boxText);

}  // namespace tarnwick
