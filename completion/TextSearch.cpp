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

namespace {

// The adjusted start limit of RevFind: -1 or past the end means the whole
// text, and an occurrence must not run past the end.
int AdjustedFrom(int from, int textLength, int needleLength) {
    if (from == -1 || from > textLength) from = textLength;
    if (from + needleLength - 1 > textLength) from = textLength - needleLength + 1;
    return from;
}

}  // namespace

int RevFindFast(int from, std::string_view text, std::string_view needle) {
    const int length = static_cast<int>(text.size());
    if (length == 0) return -1;
    if (needle.empty()) return (from == -1 || from > length) ? length : from;
    from = AdjustedFrom(from, length, static_cast<int>(needle.size()));
    const char first = AsciiLower(needle[0]);
    for (int i = from; i >= 1; --i)
        if (AsciiLower(text[i - 1]) == first && MatchesAt(text, i - 1, needle)) return i;
    return -1;
}

int DotBefore(std::string_view text, int caret) {
    const int length = static_cast<int>(text.size());
    if (length == 0) return -1;
    if (caret == -1 || caret > length) caret = length;
    if (caret <= 0) return -1;
    const size_t dot = text.rfind('.', static_cast<size_t>(caret - 1));
    return dot == std::string_view::npos ? -1 : static_cast<int>(dot) + 1;
}

bool NameStandsBeforeDot(std::string_view text, int caret, std::string_view name) {
    const int length = static_cast<int>(text.size());
    const int nameLength = static_cast<int>(name.size());
    if (name.empty() || length == 0) return false;
    // RevFind answers the largest 1-based start at or before `from`; the test
    // wants that answer to be exactly caret - length of the name. Only the few
    // starts between it and `from` need checking, not the text in front.
    const int from = AdjustedFrom(caret, length, nameLength);
    const int wanted = caret - nameLength;
    if (wanted < 1 || wanted > from) return false;
    if (!MatchesAt(text, wanted - 1, name)) return false;
    for (int i = wanted + 1; i <= from; ++i)
        if (MatchesAt(text, i - 1, name)) return false;
    return true;
}

}  // namespace tarnwick
