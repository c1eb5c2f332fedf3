#pragma once

#include "completion/TextSearch.h"

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

}  // namespace tarnwick
