#pragma once

#include <string>

namespace tarnwick {

struct MainUnit;

enum class SearchDirection { Down, Up };

// What the Find dialog holds between showings.
struct FindDialogState {
    std::string findText;
    bool matchCase = false;
    bool wholeWord = false;
    SearchDirection direction = SearchDirection::Down;
    bool operator==(const FindDialogState&) const = default;
};

// What the Replace dialog holds; it offers no direction.
struct ReplaceDialogState {
    std::string findText;
    std::string replaceText;
    bool matchCase = false;
    bool wholeWord = false;
    bool operator==(const ReplaceDialogState&) const = default;
};

// Both dialogs, as the main window keeps them. Find Next and Replace in the
// Replace dialog search with the Find dialog's options, after copying the
// Replace dialog's find text into it; Replace All uses the Replace dialog's own.
struct FindReplaceDialogs {
    FindDialogState find;
    ReplaceDialogState replace;
};

enum class FindNextIn { FindDialog, ReplaceDialog };
enum class ReplaceButton { Replace, ReplaceAll };

// Find Next. Down searches from the end of the selection to the end of the
// document; up takes the nearest occurrence that ends before the selection
// start. A hit is selected and scrolled into view (an ordinary caret move, so
// the caret tracking recolours the line left); without one the information box
// "Search completed with no results!" is shown and the selection stays. There
// is no wrap-around. True when found: the caller then gives the editor the focus.
bool DialogFindFind(MainUnit& unit, FindReplaceDialogs& dialogs, FindNextIn pressedIn);

// Replace: a selection that is an occurrence of the find text (under the Find
// dialog's options) is replaced by the replace text, then the next occurrence
// is found as by Find Next. True when that finds one. One undo step.
// Replace All: every occurrence in the document, from its start, with the
// Replace dialog's options; text just inserted is never searched again. No
// message, no recolouring, Busy set meanwhile, the caret after the last
// replacement. One undo step.
// True when a hit was selected (never for Replace All): the caller then gives
// the editor the focus.
bool DialogReplaceReplace(MainUnit& unit, FindReplaceDialogs& dialogs, ReplaceButton button);

}  // namespace tarnwick
