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
// Built for one typing pass; the text must not change while it lives.
class NeedleOccurrences {
public:
    explicit NeedleOccurrences(std::string_view text) : text_(text) {}

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

    std::string_view text_;
    std::deque<Entry> entries_;  // stable addresses
};

}  // namespace tarnwick
