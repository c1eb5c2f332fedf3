#include "commands/FindReplace.h"

#include "editor/Ansi.h"
#include "unit/MainUnit.h"

#include <algorithm>
#include <string>
#include <vector>
#include <string_view>

namespace tarnwick {
namespace {

constexpr const char* kNoResults = "Search completed with no results!";

int Size(std::string_view text) { return static_cast<int>(text.size()); }

template <typename DialogState>
FindOptions OptionsOf(const DialogState& dialog, const MainUnit& unit) {
    return {dialog.wholeWord, dialog.matchCase, unit.Encoding != TextEncoding::Ansi};
}

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
    const FindOptions options = OptionsOf(find, unit);
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
bool SelectionIsOccurrence(const MainUnit& unit, const FindDialogState& find) {
    const EditorModel& text = unit.MainText;
    const int start = text.SelStart();
    return text.SelLength() == Size(find.findText) &&
           text.FindText(find.findText, start, text.SelLength(), OptionsOf(find, unit)) == start;
}

// The editor's find run over a text that is being rebuilt: matches at or after
// `from` lie in the old text, but the character before a match at `from` itself
// is the last one written so far (`before`, -1 at the start of the text).
class Occurrences {
public:
    Occurrences(std::string_view text, std::string_view what, FindOptions options)
        : text_(text), options_(options), needle_(options.Folded(what)) {
        first_ = static_cast<unsigned char>(needle_[0]);
        firstUpper_ = options.Upper(first_);
    }

    int Next(std::size_t from, int before) const {
        const std::size_t n = needle_.size();
        for (std::size_t i = from; i + n <= text_.size(); ++i) {
            const auto c = static_cast<unsigned char>(text_[i]);
            if ((c != first_ && c != firstUpper_) || !Matches(i)) continue;
            if (options_.wholeWord) {
                const int previous = i == from ? before : static_cast<unsigned char>(text_[i - 1]);
                const bool wordBefore =
                    previous >= 0 && FindOptions::IsWordByte(static_cast<unsigned char>(previous));
                const bool wordAfter =
                    i + n < text_.size() && FindOptions::IsWordByte(static_cast<unsigned char>(text_[i + n]));
                if (wordBefore || wordAfter) continue;
            }
            return static_cast<int>(i);
        }
        return -1;
    }

private:
    bool Matches(std::size_t i) const {
        for (std::size_t k = 1; k < needle_.size(); ++k) {
            const auto t = static_cast<unsigned char>(text_[i + k]);
            const auto w = static_cast<unsigned char>(needle_[k]);
            if (options_.Lower(t) != w) return false;
        }
        return true;
    }

    std::string_view text_;
    FindOptions options_;
    std::string needle_;
    unsigned char first_;
    unsigned char firstUpper_;
};

// Every occurrence replaced as if one by one: select it, write the replace
// text (which takes the colour of the first replaced character), and search
// on right after it. The new text of the whole stretch from the first to the
// last occurrence is worked out in one pass and written in one edit.
void ReplaceAll(MainUnit& unit, const ReplaceDialogState& replace) {
    EditorModel& model = unit.MainText;
    UndoGroup step(model);
    unit.Busy = true;
    const auto& text = model.Text();
    const std::string_view old(text);
    if (replace.findText.empty()) {
        unit.Busy = false;
        return;  // the editor's find never finds an empty text
    }
    // What writing the replace text inserts: its breaks as the model stores them.
    std::string with;
    for (std::size_t i = 0; i < replace.replaceText.size(); ++i) {
        const char c = replace.replaceText[i];
        if (c == '\r' || c == '\n') {
            with += "\r\n";
            if (c == '\r' && i + 1 < replace.replaceText.size() && replace.replaceText[i + 1] == '\n') ++i;
        } else {
            with += c;
        }
    }
    const auto& colours = model.StoredColours();
    const Occurrences find(old, replace.findText, OptionsOf(replace, unit));
    const std::size_t findLength = replace.findText.size();
    auto insideBreak = [&](std::size_t p) { return p > 0 && p < old.size() && old[p - 1] == '\r' && old[p] == '\n'; };

    std::string stretch;                // the new text from the first occurrence on
    std::vector<Colour> stretchColours;
    int first = -1;                     // where the first occurrence's selection starts
    std::size_t changedEnd = 0;         // in the old text: after the last occurrence the write changed
    std::size_t changedNewEnd = 0;      // the same place in the new text
    std::size_t done = 0;               // the old text before this has been passed
    for (int q = find.Next(0, -1); q >= 0;) {
        // Selecting a position between CR and LF starts at the CR; a selection
        // that would end there takes the whole break.
        const std::size_t s = insideBreak(static_cast<std::size_t>(q)) ? static_cast<std::size_t>(q) - 1 : q;
        std::size_t e = std::min(s + findLength, old.size());
        if (insideBreak(e)) ++e;
        if (first < 0) {
            first = static_cast<int>(s);
        } else {
            stretch.append(old, done, s - done);
            stretchColours.insert(stretchColours.end(), colours.begin() + done, colours.begin() + s);
        }
        const Colour colour = colours[s];
        const bool same = old.substr(s, e - s) == with &&
                          std::all_of(colours.begin() + s, colours.begin() + e, [&](Colour c) { return c == colour; });
        stretch += with;
        stretchColours.insert(stretchColours.end(), with.size(), colour);
        if (!same) {
            changedEnd = e;
            changedNewEnd = stretch.size();
        }
        done = e;
        // The character before the next search's start is the last one written.
        const std::size_t start = static_cast<std::size_t>(first);
        q = find.Next(done, !stretch.empty() ? static_cast<unsigned char>(stretch.back())
                            : start > 0  ? static_cast<unsigned char>(old[start - 1])
                                         : -1);
    }
    if (first >= 0) {
        const std::size_t caret = first + stretch.size();
        model.SetSelStart(first);  // the view scrolls as it would to the first occurrence
        if (changedEnd > 0) {
            // Up to the last occurrence that changed, as the undo step would end there.
            stretch.resize(changedNewEnd);
            stretchColours.resize(changedNewEnd);
            model.ReplaceColoured(first, static_cast<int>(changedEnd) - first, stretch, stretchColours);
        }
        model.SetSelStart(static_cast<int>(caret));
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
    if (text.SelLength() > 0 && SelectionIsOccurrence(unit, dialogs.find)) {
        text.SetSelText(dialogs.replace.replaceText);
        // Upwards the search must end before the inserted text, or it would
        // find an occurrence inside it and replace it again on the next press.
        upLimit = std::max(0, text.SelStart() - Size(dialogs.replace.replaceText));
    }
    return FindStep(unit, dialogs.find, upLimit);
}

}  // namespace tarnwick
