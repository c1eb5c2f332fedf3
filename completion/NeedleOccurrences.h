#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
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
    // The reference stays valid until the next call (LinesOf's reads aside).
    const std::vector<int>& StartsUpTo(std::string_view needle, int maxStart);

    // What the typing rules read on the line of an occurrence, kept with it
    // until an edit touches that line: a pass after a "." reads the lines of
    // thousands of creations once, not on every pass.
    struct LineFacts {
        int from = -1;  // the text the facts depend on, [from, to]; -1: not read yet
        int to = -1;
        std::uint64_t words = 0;  // WordBits of the whole words in front of the occurrence on its line
        int var = -1;             // VarName: the variable assigned on the line (VariableAt), lower case
    };
    struct Entry;
    // The facts of the occurrences of one needle, by their index in StartsUpTo's answer.
    class Lines {
    public:
        const LineFacts& operator[](std::size_t index) const { return owner_->FactsAt(*entry_, index); }

    private:
        friend class NeedleOccurrences;
        Lines(NeedleOccurrences* owner, Entry* entry) : owner_(owner), entry_(entry) {}
        NeedleOccurrences* owner_;
        Entry* entry_;
    };
    Lines LinesOf(std::string_view needle) { return {this, &EntryFor(needle)}; }
    const std::string& VarName(int id) const { return vars_[static_cast<std::size_t>(id)]; }
    // The id of a lower-case variable some line read so far assigns; -1 when none does.
    int VarId(std::string_view lower) const;
    // Two bits of 64 for a lower-case word: a line's words or'ed together
    // tell, but for a rare false yes, whether the line holds a word.
    static std::uint64_t WordBits(std::string_view lowerWord);

    struct Entry {
        std::string needle;
        int dot = -1;           // offset of the needle's anchor character; -1 when it has none
        char anchor = '.';      // lower case: a letter anchor is found in either case
        int covered = -1;       // every occurrence starting at or before this is in starts
        std::vector<int> starts;
        std::vector<LineFacts> facts;  // by the index in starts; shorter: the rest unread
    };

private:
    const LineFacts& FactsAt(Entry& e, std::size_t index);
    // Forgets the facts whose text an edit of [pos, end] (in today's places) touched,
    // looking outward from the facts in front of index lo and from index hi on.
    static void ForgetLinesAround(Entry& e, std::size_t lo, std::size_t hi, int pos, int end);
    Entry& EntryFor(std::string_view needle);
    // Entries that share one anchor character.
    void ScanDots(const std::vector<Entry*>& entries, int maxStart);
    void ScanPlain(Entry& entry, int maxStart);
    void Forget();

    std::string_view text_;
    std::deque<Entry> entries_;  // stable addresses
    int longest_ = 0;
    std::vector<std::string> vars_;  // the variables of the lines read, by id
    std::unordered_map<std::string, int> varIds_;
};

}  // namespace tarnwick
