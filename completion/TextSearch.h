#pragma once

#include <string_view>

namespace tarnwick {

// Comparisons and backward-search bounds that give exactly the answers of
// RevFind (ASCII letters compared ignoring case, a match must fit inside the
// text) without lower-casing a copy of the text on every call. The completion
// code runs them on every "." and every letter typed, with the caret at the
// end of scripts of many megabytes.

inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether text[pos, pos + needle.size()) equals needle, ignoring ASCII case.
// A range that does not fit inside the text never matches.
bool MatchesAt(std::string_view text, int pos, std::string_view needle);

// Whether a and b are equal ignoring ASCII case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Orders a before b ignoring ASCII case (other bytes by their value).
bool LessIgnoringCase(std::string_view a, std::string_view b);

// The largest 0-based start that RevFind with this limit (1-based) can
// answer for a needle of this length, after its own adjustments (-1 or past
// the end: the whole text; a match must fit inside the text). Below 0:
// RevFind finds nothing.
int RevFindMaxStart(int limit, int textLength, int needleLength);

// The name-before-dot test: the last occurrence of name that begins in front
// of the caret (RevFind with limit caret) ends exactly one character before
// the caret. An empty name never stands in front of the dot.
bool NameStandsBeforeDot(std::string_view text, int caret, std::string_view name);

}  // namespace tarnwick
