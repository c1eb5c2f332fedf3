#pragma once

// The scans written the slow, obvious way, step by step as the editor's rules
// state them: fresh lower-cased copies, a window copied out of the text, and a
// recursion for every skipped match. The fast scans must give the same answers.

#include "syntax/Scans.h"

#include <string>

namespace tarnwick::reference {

inline std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// RevFind from its rule alone: the 1-based start of the last occurrence of
// word, ignoring ASCII case, that starts at or before `from` (-1, or past the
// end: the end of the text); an empty word is found at `from` itself.
inline int RevFind(int from, const std::string& text, const std::string& word) {
    const std::string s = Lower(text), sub = Lower(word);
    const int n = static_cast<int>(s.size());
    if (from == -1 || from > n) from = n;
    if (s.empty()) return -1;
    if (sub.empty()) return from;
    int last = -1;
    for (std::size_t at = s.find(sub); at != std::string::npos; at = s.find(sub, at + 1))
        if (static_cast<int>(at) + 1 <= from) last = static_cast<int>(at) + 1;
    return last;
}

// 1-based position of the first character of the line that holds the 0-based
// bound pos; a bound between CR and LF belongs to the line before.
inline int LineStartPosition(const std::string& s, int pos) {
    int bound = pos == -1 ? static_cast<int>(s.size()) : pos;
    if (bound > 0 && bound < static_cast<int>(s.size()) && s[bound - 1] == '\r' && s[bound] == '\n') --bound;
    int last = 0;
    for (int i = 0; i < bound && i < static_cast<int>(s.size()); ++i)
        if (s[i] == '\r' || s[i] == '\n') last = i + 1;
    return last + 1;
}

inline bool IsString(const std::string& s, int /*start*/, int pos) {
    int b = RevFind(pos, s, "\"");
    int lineStart = LineStartPosition(s, pos);
    if (b == -1 || b < lineStart) return false;
    int quotes = 0;
    for (int i = lineStart; i <= b; ++i)
        if (s[i - 1] == '"') ++quotes;
    return quotes % 2 == 1;
}

inline bool IsComment(const std::string& s, int start, int pos) {
    int lineStart = LineStartPosition(s, pos);
    for (int a = RevFind(pos, s, "'"); a != -1 && a >= lineStart; a = a > 1 ? RevFind(a - 1, s, "'") : -1)
        if (!IsString(s, start, a)) return true;
    for (int r = RevFind(pos, s, "rem"); r != -1 && r >= lineStart; r = r > 1 ? RevFind(r - 1, s, "rem") : -1) {
        bool before = r == lineStart || IsDelimiter(static_cast<unsigned char>(s[r - 2]));
        bool after = r + 2 == static_cast<int>(s.size()) || IsDelimiter(static_cast<unsigned char>(s[r + 2]));
        if (before && after) return !IsString(s, start, r);
    }
    return false;
}

inline int SearchStr(const std::string& s, const std::string& word, int start, int count, unsigned options) {
    int index = start < 1 ? 1 : start;
    std::string w;
    if (index - 1 < static_cast<int>(s.size()) && count + 1 > 0)
        w = s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count) + 1);
    std::string sub = word;
    if (!(options & MatchCase)) {
        w = Lower(w);
        sub = Lower(sub);
    }
    if (sub.empty()) return -1;
    std::size_t p = w.find(sub);
    if (options & WholeWord) {
        while (p != std::string::npos) {
            bool before = p == 0 || IsDelimiter(static_cast<unsigned char>(w[p - 1]));
            bool after = p + sub.size() == w.size() || IsDelimiter(static_cast<unsigned char>(w[p + sub.size()]));
            if (before && after) break;
            p = w.find(sub, p + 1);
        }
    }
    if (p == std::string::npos) return -1;
    return static_cast<int>(p) + (start == 0 ? 0 : start - 1);
}

inline int InStr(const std::string& s, const std::string& sub, int start, int count, unsigned options,
                 bool skipStrings, bool skipComments) {
    int e = SearchStr(s, sub, start, count, options);
    if (!skipStrings && !skipComments) return e;
    if (e == -1) return -1;
    bool skip = (skipStrings && IsString(s, start, e)) || (skipComments && IsComment(s, start, e));
    if (!skip) return e;
    return InStr(s, sub, e + static_cast<int>(sub.size()) + 1, count, options, skipStrings, skipComments);
}

}  // namespace tarnwick::reference
