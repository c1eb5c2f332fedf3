#include "completion/TextSearch.h"

#include <algorithm>

namespace tarnwick {

bool MatchesAt(std::string_view text, int pos, std::string_view needle) {
    if (pos < 0 || static_cast<size_t>(pos) + needle.size() > text.size()) return false;
    const char* p = text.data() + pos;
    for (size_t i = 0; i < needle.size(); ++i)
        if (AsciiLower(p[i]) != AsciiLower(needle[i])) return false;
    return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && MatchesAt(a, 0, b);
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
    });
}

int RevFindMaxStart(int limit, int textLength, int needleLength) {
    if (textLength == 0) return -1;
    int from = limit;
    if (from == -1 || from > textLength) from = textLength;
    if (from + needleLength - 1 > textLength) from = textLength - needleLength + 1;
    return from - 1;
}

bool NameStandsBeforeDot(std::string_view text, int caret, std::string_view name) {
    const int length = static_cast<int>(text.size());
    const int nameLength = static_cast<int>(name.size());
    if (name.empty() || length == 0) return false;
    // RevFind answers the last occurrence starting at or before maxStart; the
    // test wants it to end right before the dot. Only the few starts between
    // that one and maxStart need checking, not the text in front.
    const int maxStart = RevFindMaxStart(caret, length, nameLength);
    const int wanted = caret - nameLength - 1;  // 0-based start that ends right before the dot
    if (wanted < 0 || wanted > maxStart) return false;
    if (!MatchesAt(text, wanted, name)) return false;
    for (int start = wanted + 1; start <= maxStart; ++start)
        if (MatchesAt(text, start, name)) return false;
    return true;
}

}  // namespace tarnwick
