#include "completion/NeedleOccurrences.h"

#include "completion/TextSearch.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tarnwick {

NeedleOccurrences::Entry& NeedleOccurrences::EntryFor(std::string_view needle) {
    for (Entry& e : entries_)
        if (e.needle == needle) return e;
    Entry& e = entries_.emplace_back();
    e.needle = std::string(needle);
    const size_t dot = needle.find('.');
    e.dot = dot == std::string_view::npos ? -1 : static_cast<int>(dot);
    return e;
}

void NeedleOccurrences::Prepare(const std::vector<std::string_view>& needles, int maxStart) {
    std::vector<Entry*> dotted;
    for (std::string_view needle : needles) {
        if (needle.empty()) continue;
        Entry& e = EntryFor(needle);
        if (e.covered >= maxStart || std::find(dotted.begin(), dotted.end(), &e) != dotted.end()) continue;
        if (e.dot >= 0)
            dotted.push_back(&e);
        else
            ScanPlain(e, maxStart);
    }
    if (!dotted.empty()) ScanDots(dotted, maxStart);
}

const std::vector<int>& NeedleOccurrences::StartsUpTo(std::string_view needle, int maxStart) {
    Entry& e = EntryFor(needle);
    if (!needle.empty() && e.covered < maxStart) {
        if (e.dot >= 0)
            ScanDots({&e}, maxStart);
        else
            ScanPlain(e, maxStart);
    }
    return e.starts;
}

void NeedleOccurrences::ScanDots(const std::vector<Entry*>& entries, int maxStart) {
    const int length = static_cast<int>(text_.size());
    // Needles grouped by the lower-cased character after their first dot, so
    // most dots of a script are passed over after one table look-up.
    std::array<std::vector<Entry*>, 256> byNext;
    std::vector<Entry*> dotLast;
    int lo = length, hi = -1;
    for (Entry* e : entries) {
        const int size = static_cast<int>(e->needle.size());
        if (e->dot + 1 < size)
            byNext[static_cast<unsigned char>(AsciiLower(e->needle[e->dot + 1]))].push_back(e);
        else
            dotLast.push_back(e);
        lo = std::min(lo, e->covered + 1 + e->dot);
        hi = std::max(hi, std::min(maxStart, length - size) + e->dot);
    }
    auto check = [&](Entry* e, int dotPos) {
        const int start = dotPos - e->dot;
        if (start > e->covered && start <= maxStart && MatchesAt(text_, start, e->needle))
            e->starts.push_back(start);
    };
    const char* base = text_.data();
    for (int d = std::max(lo, 0); d <= hi && d < length;) {
        const void* hit = std::memchr(base + d, '.', static_cast<size_t>(std::min(hi, length - 1) - d + 1));
        if (!hit) break;
        d = static_cast<int>(static_cast<const char*>(hit) - base);
        if (d + 1 < length)
            for (Entry* e : byNext[static_cast<unsigned char>(AsciiLower(base[d + 1]))]) check(e, d);
        for (Entry* e : dotLast) check(e, d);
        ++d;
    }
    for (Entry* e : entries) e->covered = std::max(e->covered, maxStart);
}

void NeedleOccurrences::ScanPlain(Entry& e, int maxStart) {
    const int last = std::min(maxStart, static_cast<int>(text_.size()) - static_cast<int>(e.needle.size()));
    const char first = AsciiLower(e.needle[0]);
    for (int s = e.covered + 1; s <= last; ++s)
        if (AsciiLower(text_[s]) == first && MatchesAt(text_, s, e.needle)) e.starts.push_back(s);
    e.covered = std::max(e.covered, maxStart);
}

}  // namespace tarnwick
