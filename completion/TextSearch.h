#pragma once

#include <string_view>

namespace tarnwick {

// Backward searches over the whole document text that give exactly the
// answers of RevFind (ASCII letters compared ignoring case, a match must fit
// inside the text) without lower-casing a copy of the text on every call.
// The completion code runs them on every "." and every letter typed, with the
// caret at the end of scripts of many megabytes.

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

// RevFind(from, text, needle) for a non-empty needle: the 1-based position of
// the last occurrence that begins at or before from; -1 for none.
int RevFindFast(int from, std::string_view text, std::string_view needle);

// RevFind(caret, text, ".") in 1-based form: p such that the last "." in front
// of the caret stands at 0-based offset p - 1 (so p is the offset just after
// it); -1 when there is none.
int DotBefore(std::string_view text, int caret);

// The name-before-dot test: the last occurrence of name that begins in front
// of the caret (RevFind with limit caret) ends exactly one character before
// the caret. An empty name never stands in front of the dot.
bool NameStandsBeforeDot(std::string_view text, int caret, std::string_view name);

}  // namespace tarnwick
