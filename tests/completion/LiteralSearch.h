#pragma once

#include <string>
#include <string_view>

namespace tarnwick::testing {

// RevFind exactly as written: lower-case copies, then a scan from the limit
// down. The slow, obviously correct reference the fast searches are held to.
inline int LiteralRevFind(int from, std::string_view s, std::string_view sub) {
    auto lower = [](std::string_view t) {
        std::string out(t);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    };
    const std::string ls = lower(s), lsub = lower(sub);
    const int length = static_cast<int>(ls.size());
    if (from == -1 || from > length) from = length;
    if (ls.empty()) return -1;
    if (lsub.empty()) return from;
    if (from + static_cast<int>(lsub.size()) - 1 > length) from = length - static_cast<int>(lsub.size()) + 1;
    for (int i = from; i >= 1; --i)
        if (ls.compare(i - 1, lsub.size(), lsub) == 0) return i;
    return -1;
}

// The name-before-dot test as written, empty names excluded.
inline bool LiteralStandsBeforeDot(std::string_view text, int caret, std::string_view name) {
    if (name.empty()) return false;
    const int found = LiteralRevFind(caret, text, name);
    return found != -1 && found - 1 + static_cast<int>(name.size()) + 1 == caret;
}

}  // namespace tarnwick::testing
