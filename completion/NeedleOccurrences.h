#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Every occurrence (ASCII case ignored) of a few fixed needles in one text,
// found by as few passes over the text as possible: most of the typing rules'
// needles hold a ".", so one scan from dot to dot finds them all at once.
// Others are found from their rarest character (a ":", an "x") the same way.
// Built for one typing pass, or kept across passes when every change of the
// text is reported to TextChanged.
class NeedleOccurrences {
public:
    explicit NeedleOccurrences(std::string_view text) : text_(text) {}

    // [pos, pos + removed) of the text became [pos, pos + inserted): the
    // occurrences found so far are moved and the few near the change looked
    // for again, so the next pass need not read the megabytes in front of the
    // caret afresh. window is the new text from windowStart on, at least
    // LongestNeedle() characters either side of the change where there are
    // any. The whole text must be handed to Rebind before the next request.
    void TextChanged(int pos, int removed, int inserted, std::string_view window, int windowStart);
    // A change that inserts more than this is not looked at near by (its
    // window may be empty): everything is looked for afresh when asked.
    static constexpr int kLargestRescan = 16 * 1024;
    // The whole text as it is now (it may have moved).
    void Rebind(std::string_view text) { text_ = text; }
    int LongestNeedle() const { return longest_; }
    // Whether a change of the text can be ignored: nothing is known yet.
    bool Empty() const { return entries_.empty(); }

    // Finds, in one shared scan, the occurrences of all needles that begin at
    // or before the 0-based offset maxStart.
    void Prepare(const std::vector<std::string_view>& needles, int maxStart);

    // Ascending 0-based starts of the occurrences of needle that fit inside
    // the text; complete at least up to maxStart (later ones may be listed).
    // The reference stays valid until the next call.
    const std::vector<int>& StartsUpTo(std::string_view needle, int maxStart);

private:
    struct Entry {
        std::string needle;
        int dot = -1;           // offset of the needle's anchor character; -1 when it has none
        char anchor = '.';      // lower case: a letter anchor is found in either case
        int covered = -1;       // every occurrence starting at or before this is in starts
        std::vector<int> starts;
    };

    Entry& EntryFor(std::string_view needle);
    // Entries that share one anchor character.
    void ScanDots(const std::vector<Entry*>& entries, int maxStart);
    void ScanPlain(Entry& entry, int maxStart);
    void Forget();

    std::string_view text_;
    std::deque<Entry> entries_;  // stable addresses
    int longest_ = 0;
};

}  // namespace tarnwick
