#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnwick {

// Search options of SearchStr, as bit values.
enum SearchOption : unsigned {
    NoOptions = 0,
    WholeWord = 1,
    MatchCase = 2,
};

// Start positions are 1-based (0 selects the same window as 1); match indexes
// are 0-based (-1: none). The window is the Count + 1 characters from Start,
// and its edges count as word boundaries even where the text goes on.
// InStr passes over matches inside strings (skipStrings) and, with both flags,
// comments, searching again from the character after each such match with the
// same Count.
int SearchStr(std::string_view s, std::string_view sub, int start, int count, unsigned options);
int InStr(std::string_view s, std::string_view sub, int start, int count, unsigned options,
          bool skipStrings, bool skipComments);
// Whether 0-based index pos lies inside a double-quoted string / a comment.
// Only the characters before pos on its own line are looked at (pos -1: the end of the
// text), whatever `start` is: an odd number of quotes means a string; any
// apostrophe, or else the last whole-word "rem", outside a string means a
// comment. A doubled quote inside a string leaves the position inside it.
bool IsString(std::string_view s, int start, int pos);
bool IsComment(std::string_view s, int start, int pos);

// What IsString or IsComment answers at every position of one text, worked
// out in one pass: a caller that passes over many matches of the same text
// then pays once for the text instead of once per match.
class StringCommentMask {
public:
    explicit StringCommentMask(std::string_view s);
    // IsString(s, ..., pos) || IsComment(s, ..., pos).
    bool Skips(int pos) const;
    // IsString(s, ..., pos).
    bool InString(int pos) const;
    // Keeps the mask in step with its text when `count` characters are put in
    // at the 0-based index `at`: they must be delimiters other than quotes,
    // apostrophes and line breaks, put in at a word's edge, so that they change
    // the answer at no other position.
    void InsertNeutral(std::size_t at, std::size_t count);

private:
    enum : std::uint8_t { kString = 1, kComment = 2 };
    std::uint8_t At(int pos) const;
    std::vector<std::uint8_t> bits_;  // one entry per bound 0 .. s.size()
};
// InStr with SkipStrings and SkipComments set (SkipStrings alone when
// skipComments is false), answered by the text's mask.
int InStr(std::string_view s, std::string_view sub, int start, int count, unsigned options,
          const StringCommentMask& skipped, bool skipComments = true);

// 1-based position of the last occurrence of sub starting at or before from, ignoring case; -1: none.
int RevFind(int from, std::string_view s, std::string_view sub);

// Whether c is a word delimiter: codes 0, 8, 9, 10, 13, 32 to 47, 58 to 64 and
// 91 to 96. Letters, digits, { | } ~ and every code from 127 up are not.
inline constexpr std::array<bool, 256> kDelimiters = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = c == 0 || c == 8 || c == 9 || c == 10 || c == 13 || (c >= 32 && c <= 47) ||
                   (c >= 58 && c <= 64) || (c >= 91 && c <= 96);
    return table;
}();
constexpr bool IsDelimiter(unsigned char c) { return kDelimiters[c]; }

}  // namespace tarnwick
