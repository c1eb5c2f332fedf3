#include "commands/FindReplace.h"

#include "app/MainUnit.h"

#include <algorithm>
#include <string_view>

namespace tarnwick {
namespace {

constexpr const char* kNoResults = "Search completed with no results!";

int Size(std::string_view text) { return static_cast<int>(text.size()); }

FindOptions OptionsOf(const FindDialogState& find) { return {find.wholeWord, find.matchCase}; }
FindOptions OptionsOf(const ReplaceDialogState& replace) { return {replace.wholeWord, replace.matchCase}; }

// The last occurrence lying wholly in [0, end), or -1. The control's find runs
// forward only, so the hits are walked up to the last one.
int FindLastBefore(const EditorModel& text, std::string_view what, int end, FindOptions options) {
    int last = -1;
    for (int q = text.FindText(what, 0, end, options); q >= 0;
         q = text.FindText(what, q + 1, end - (q + 1), options))
        last = q;
    return last;
}

// The find step, with the up search ending at `upLimit` (the selection start
// unless a replacement just moved it).
bool FindStep(MainUnit& unit, const FindDialogState& find, int upLimit) {
    EditorModel& text = unit.MainText;
    const FindOptions options = OptionsOf(find);
    int q = -1;
    if (find.direction == SearchDirection::Down) {
        const int from = text.SelStart() + text.SelLength();
        q = text.FindText(find.findText, from, text.Length(), options);
    } else {
        q = FindLastBefore(text, find.findText, upLimit, options);
    }
    if (q < 0) {
        if (unit.Boxes) unit.Boxes->Information(kNoResults, BoxButton::Yes);
        return false;
    }
    // Not Busy: an ordinary caret move, so the tracking recolours the line left.
    // It puts the caret back by line and column, so q stays the hit's start.
    text.SetSelStart(q);
    text.SetSelLength(Size(find.findText));
    text.ScrollCaret();
    return true;
}

// Whether the selection is exactly one occurrence of the find text.
bool SelectionIsOccurrence(const EditorModel& text, const FindDialogState& find) {
    const int start = text.SelStart();
    return text.SelLength() == Size(find.findText) &&
           text.FindText(find.findText, start, text.SelLength(), OptionsOf(find)) == start;
}

void ReplaceAll(MainUnit& unit, const ReplaceDialogState& replace) {
    EditorModel& text = unit.MainText;
    const FindOptions options = OptionsOf(replace);
    const int findLength = Size(replace.findText);
    UndoGroup step(text);
    unit.Busy = true;
    int q = text.FindText(replace.findText, 0, text.Length(), options);
    while (q >= 0) {
        text.SetSelStart(q);
        text.SetSelLength(findLength);
        text.SetSelText(replace.replaceText);
        // Right after the inserted text (as the model stored it), so a replace
        // text that holds the find text is not replaced again.
        const int after = text.SelStart();
        q = text.FindText(replace.findText, after, text.Length(), options);
    }
    unit.Busy = false;
}

}  // namespace

bool DialogFindFind(MainUnit& unit, FindReplaceDialogs& dialogs, FindNextIn pressedIn) {
    if (pressedIn == FindNextIn::ReplaceDialog) dialogs.find.findText = dialogs.replace.findText;
    return FindStep(unit, dialogs.find, unit.MainText.SelStart());
}

bool DialogReplaceReplace(MainUnit& unit, FindReplaceDialogs& dialogs, ReplaceButton button) {
    if (button == ReplaceButton::ReplaceAll) {
        ReplaceAll(unit, dialogs.replace);
        return false;
    }
    EditorModel& text = unit.MainText;
    dialogs.find.findText = dialogs.replace.findText;
    UndoGroup step(text);
    int upLimit = text.SelStart();
    // Only an occurrence is replaced: a selection the user made for something
    // else is left alone and the press just finds the next occurrence.
    if (text.SelLength() > 0 && SelectionIsOccurrence(text, dialogs.find)) {
        text.SetSelText(dialogs.replace.replaceText);
        // Upwards the search must end before the inserted text, or it would
        // find an occurrence inside it and replace it again on the next press.
        upLimit = std::max(0, text.SelStart() - Size(dialogs.replace.replaceText));
    }
    return FindStep(unit, dialogs.find, upLimit);
}

}  // namespace tarnwick
