#include "syntax/Scans.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tarnwick {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Only the letters A to Z fold; every other byte stays as it is.
constexpr unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }
constexpr unsigned char Unfold(unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

bool SameAt(std::string_view s, std::size_t at, std::string_view sub, bool matchCase) {
    for (std::size_t k = 0; k < sub.size(); ++k) {
        unsigned char a = static_cast<unsigned char>(s[at + k]);
        unsigned char b = static_cast<unsigned char>(sub[k]);
        if (matchCase ? a != b : Fold(a) != Fold(b)) return false;
    }
    return true;
}

// Finds occurrences of sub in a text without making lower-cased copies. A
// first character without letter case is looked up with memchr; a letter is
// looked for in both cases at once, eight bytes at a time.
class OccurrenceFinder {
public:
    OccurrenceFinder(std::string_view text, std::string_view sub, bool matchCase)
        : text_(text), sub_(sub), matchCase_(matchCase) {
        unsigned char first = static_cast<unsigned char>(sub[0]);
        lower_ = matchCase ? first : Fold(first);
        bothCases_ = !matchCase && Unfold(lower_) != lower_;
    }

    // The first occurrence starting at or after `from`, or kNone.
    std::size_t Next(std::size_t from) const {
        if (sub_.size() > text_.size()) return kNone;
        const std::size_t last = text_.size() - sub_.size();
        for (std::size_t at = from; at <= last; ++at) {
            at = bothCases_ ? ScanBothCases(at, last) : ScanExact(at, last);
            if (at == kNone) return kNone;
            if (SameAt(text_, at, sub_, matchCase_)) return at;
        }
        return kNone;
    }

private:
    std::size_t ScanExact(std::size_t from, std::size_t last) const {
        const void* hit = std::memchr(text_.data() + from, lower_, last - from + 1);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : kNone;
    }

    // The letter in either case: setting bit 5 folds exactly the two cases of a letter onto one byte.
    std::size_t ScanBothCases(std::size_t from, std::size_t last) const {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHighs = 0x8080808080808080u;
        const std::uint64_t target = kOnes * lower_;
        std::size_t i = from;
        if constexpr (std::endian::native == std::endian::little) {
            for (; i + 8 <= last + 1; i += 8) {
                std::uint64_t word;
                std::memcpy(&word, text_.data() + i, 8);
                std::uint64_t x = (word | (kOnes * 0x20)) ^ target;
                std::uint64_t zeroes = (x - kOnes) & ~x & kHighs;  // the lowest set byte is a true match
                if (zeroes != 0) return i + static_cast<std::size_t>(std::countr_zero(zeroes) / 8);
            }
        }
        for (; i <= last; ++i)
            if ((static_cast<unsigned char>(text_[i]) | 0x20) == lower_) return i;
        return kNone;
    }

    std::string_view text_;
    std::string_view sub_;
    bool matchCase_;
    unsigned char lower_;
    bool bothCases_;
};

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The bound of IsString and IsComment as a 0-based end: characters below it are looked at.
// -1 stands for the whole text, as it does for RevFind.
std::size_t BoundOf(std::string_view s, int pos) {
    if (pos == -1) return s.size();
    if (pos < 0) return 0;
    return std::min(static_cast<std::size_t>(pos), s.size());
}

// The start of the line that holds the bound: a bound between CR and LF belongs to the line before.
std::size_t LineStartBefore(std::string_view s, std::size_t end) {
    std::size_t i = end;
    if (i > 0 && i < s.size() && s[i - 1] == '\r' && s[i] == '\n') --i;
    while (i > 0 && !IsLineBreak(s[i - 1])) --i;
    return i;
}

// Whether an odd number of double quotes stands in [from, end).
bool OddQuotes(std::string_view s, std::size_t from, std::size_t end) {
    return std::count(s.begin() + from, s.begin() + end, '"') % 2 == 1;
}

bool IsWholeWordRemAt(std::string_view s, std::size_t at, std::size_t lineStart) {
    if (at + 3 > s.size()) return false;
    if (!SameAt(s, at, "rem", false)) return false;
    bool before = at == lineStart || IsDelimiter(static_cast<unsigned char>(s[at - 1]));
    bool after = at + 3 == s.size() || IsDelimiter(static_cast<unsigned char>(s[at + 3]));
    return before && after;
}

}  // namespace

int SearchStr(std::string_view s, std::string_view sub, int start, int count, unsigned options) {
    if (sub.empty() || count < 0) return -1;
    // The window is the Count + 1 characters from the 1-based Start; Start 0 means 1.
    std::size_t windowStart = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (windowStart >= s.size()) return -1;
    std::size_t windowLength = std::min(s.size() - windowStart, static_cast<std::size_t>(count) + 1);
    std::string_view window = s.substr(windowStart, windowLength);

    OccurrenceFinder finder(window, sub, (options & MatchCase) != 0);
    const bool wholeWord = (options & WholeWord) != 0;
    for (std::size_t at = finder.Next(0); at != kNone; at = finder.Next(at + 1)) {
        if (!wholeWord) return static_cast<int>(windowStart + at);
        // The window's edges count as delimiters even where the text goes on.
        std::size_t after = at + sub.size();
        bool delimitedBefore = at == 0 || IsDelimiter(static_cast<unsigned char>(window[at - 1]));
        bool delimitedAfter = after == window.size() || IsDelimiter(static_cast<unsigned char>(window[after]));
        if (delimitedBefore && delimitedAfter) return static_cast<int>(windowStart + at);
    }
    return -1;
}

namespace {

template <typename Skipped>
int InStrPassingOver(std::string_view s, std::string_view sub, int start, int count, unsigned options,
                     Skipped skipped) {
    for (;;) {
        int found = SearchStr(s, sub, start, count, options);
        if (found == -1 || !skipped(start, found)) return found;
        // Search again from the character after the match, with the same Count.
        start = found + static_cast<int>(sub.size()) + 1;
    }
}

}  // namespace

int InStr(std::string_view s, std::string_view sub, int start, int count, unsigned options, bool skipStrings,
          bool skipComments) {
    if (!skipStrings && !skipComments) return SearchStr(s, sub, start, count, options);
    return InStrPassingOver(s, sub, start, count, options, [&](int from, int found) {
        return (skipStrings && IsString(s, from, found)) || (skipComments && IsComment(s, from, found));
    });
}

int InStr(std::string_view s, std::string_view sub, int start, int count, unsigned options,
          const StringCommentMask& skipped, bool skipComments) {
    if (!skipComments)
        return InStrPassingOver(s, sub, start, count, options, [&](int, int found) { return skipped.InString(found); });
    return InStrPassingOver(s, sub, start, count, options, [&](int, int found) { return skipped.Skips(found); });
}

// The walk of IsString and IsComment, kept for every bound at once: the quote
// parity, the apostrophe outside a string and the last whole-word "rem" since
// the last line break.
StringCommentMask::StringCommentMask(std::string_view s) : bits_(s.size() + 1, 0) {
    bool oddQuotes = false, apostrophe = false, remOutsideString = false;
    std::size_t lineStart = 0;
    for (std::size_t end = 0; end <= s.size(); ++end) {
        if (end > 0 && end < s.size() && s[end - 1] == '\r' && s[end] == '\n') {
            bits_[end] = bits_[end - 1];  // between CR and LF: still the line before
        } else {
            bits_[end] = static_cast<std::uint8_t>((oddQuotes ? kString : 0) |
                                                   (apostrophe || remOutsideString ? kComment : 0));
        }
        if (end == s.size()) break;
        const char c = s[end];
        if (IsLineBreak(c)) {
            oddQuotes = apostrophe = remOutsideString = false;
            lineStart = end + 1;
        } else if (c == '"') {
            oddQuotes = !oddQuotes;
        } else if (c == '\'') {
            apostrophe = apostrophe || !oddQuotes;
        } else if (Fold(static_cast<unsigned char>(c)) == 'r' && IsWholeWordRemAt(s, end, lineStart)) {
            remOutsideString = !oddQuotes;
        }
    }
}

std::uint8_t StringCommentMask::At(int pos) const {
    const std::size_t size = bits_.size() - 1;
    const std::size_t end = pos == -1 ? size : pos < 0 ? 0 : std::min(static_cast<std::size_t>(pos), size);
    return bits_[end];
}

bool StringCommentMask::Skips(int pos) const { return At(pos) != 0; }
bool StringCommentMask::InString(int pos) const { return (At(pos) & kString) != 0; }

// The bound before the new characters keeps its answer, and so does every bound
// within and after them: they open or close nothing.
void StringCommentMask::InsertNeutral(std::size_t at, std::size_t count) {
    at = std::min(at, bits_.size() - 1);
    bits_.insert(bits_.begin() + static_cast<std::ptrdiff_t>(at), count, bits_[at]);
}

// Decided from the start of the line that holds the position: the quotes before
// it on that line count, nothing on earlier lines does. Start does not matter.
bool IsString(std::string_view s, int /*start*/, int pos) {
    std::size_t end = BoundOf(s, pos);
    return OddQuotes(s, LineStartBefore(s, end), end);
}

// Decided from the start of the line, like IsString: an apostrophe outside a
// string opens a comment, whatever stands after it (a quote inside the comment
// opens no string that could end it); otherwise the last whole-word "rem"
// before the position is examined, unless it stands inside a string.
bool IsComment(std::string_view s, int /*start*/, int pos) {
    std::size_t end = BoundOf(s, pos);
    std::size_t lineStart = LineStartBefore(s, end);

    bool inString = false;
    for (char c : s.substr(lineStart, end - lineStart)) {
        if (c == '"')
            inString = !inString;
        else if (c == '\'' && !inString)
            return true;
    }

    for (std::size_t i = end; i > lineStart; --i) {
        std::size_t at = i - 1;
        if (Fold(static_cast<unsigned char>(s[at])) == 'r' && IsWholeWordRemAt(s, at, lineStart))
            return !OddQuotes(s, lineStart, at);
    }
    return false;
}

int RevFind(int from, std::string_view s, std::string_view sub) {
    const int length = static_cast<int>(s.size());
    const int subLength = static_cast<int>(sub.size());
    if (from == -1 || from > length) from = length;
    if (s.empty()) return -1;
    if (sub.empty()) return from;
    if (from - 1 + subLength > length) from = length - subLength + 1;
    for (int i = from; i >= 1; --i)
        if (SameAt(s, static_cast<std::size_t>(i - 1), sub, false)) return i;
    return -1;
}

}  // namespace tarnwick
