#pragma once

#include "completion/TextSearch.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tarnwick {

// The characters completion takes for part of a script's name: ASCII letters
// and digits, "_", and every byte above 127 (the script's own letters).
inline bool IsNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 128 || c == '_' || (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z');
}

// The lower-case ASCII copy of a name.
inline std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

// s without spaces and tabs at either end: the blanks of a statement.
inline std::string_view TrimmedBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// s without blanks and control characters at either end, as a variable name
// is cut from the text in front of an "=".
inline std::string_view TrimmedControls(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// The variable assigned by the text in front of a line's first "=": the
// leading statement word "Set" removed, blanks and control characters trimmed
// from both ends; a view into lhs.
inline std::string_view VariableOfLeftSide(std::string_view lhs) {
    size_t first = 0;
    while (first < lhs.size() && static_cast<unsigned char>(lhs[first]) <= ' ') ++first;
    // "Set" counts only as the statement word, so "settings" keeps its name.
    if (MatchesAt(lhs, static_cast<int>(first), "set") && (first + 3 == lhs.size() || !IsNameChar(lhs[first + 3])))
        first += 3;
    return TrimmedControls(lhs.substr(first));
}

// The variable assigned on the line holding offset (every break is CR LF, so
// the line runs from after the LF in front of it), a view into text; empty
// without an "=". The text is read in place, no further than the line's first
// "="; readFrom and readTo tell the first and last offsets the answer depends on.
inline std::string_view VariableAt(std::string_view text, int offset, int& readFrom, int& readTo) {
    const size_t at = static_cast<size_t>(offset < 0 ? 0 : offset > static_cast<int>(text.size()) ? text.size() : offset);
    size_t first = at;
    size_t equals = std::string_view::npos;
    for (; first > 0 && text[first - 1] != '\n'; --first)
        if (text[first - 1] == '=') equals = first - 1;
    size_t i = at;
    for (; equals == std::string_view::npos && i < text.size() && text[i] != '\r' && text[i] != '\n'; ++i)
        if (text[i] == '=') equals = i;
    readFrom = first > 0 ? static_cast<int>(first) - 1 : 0;
    readTo = static_cast<int>(std::max(i, at));
    if (equals == std::string_view::npos) return {};
    return VariableOfLeftSide(text.substr(first, equals - first));
}

}  // namespace tarnwick
