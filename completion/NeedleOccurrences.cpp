#include "completion/NeedleOccurrences.h"

#include "completion/ScriptWords.h"
#include "completion/TextSearch.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tarnwick {

namespace {

// Characters a needle is found from, the rarer in scripts the better: the
// scan jumps from one to the next with memchr.
constexpr std::string_view kAnchors = ".:qjzxkvbwy";

// Finds the anchors of a text in order, a letter in either case, each case
// through memchr and remembered until it is passed.
class AnchorScan {
public:
    AnchorScan(std::string_view text, char anchor, int end) : text_(text), end_(end) {
        cases_[0] = anchor;
        cases_[1] = static_cast<char>(anchor - 'a' + 'A');
        count_ = (anchor >= 'a' && anchor <= 'z') ? 2 : 1;
    }
    // The first anchor at or after from, or -1.
    int Next(int from) {
        int best = -1;
        for (int i = 0; i < count_; ++i) {
            if (next_[i] != -2 && next_[i] < from) next_[i] = Find(cases_[i], from);
            if (next_[i] >= 0 && (best < 0 || next_[i] < best)) best = next_[i];
        }
        return best;
    }

private:
    int Find(char c, int from) const {
        if (from >= end_) return -2;
        const void* hit = std::memchr(text_.data() + from, c, static_cast<size_t>(end_ - from));
        return hit ? static_cast<int>(static_cast<const char*>(hit) - text_.data()) : -2;
    }
    std::string_view text_;
    int end_;
    char cases_[2];
    int count_ = 1;
    int next_[2] = {-1, -1};  // -1: not yet looked for; -2: none left
};

}  // namespace

void NeedleOccurrences::Forget() {
    for (Entry& e : entries_) {
        e.starts.clear();
        e.facts.clear();
        e.covered = -1;
    }
}

void NeedleOccurrences::TextChanged(int pos, int removed, int inserted, std::string_view window,
                                    int windowStart) {
    text_ = {};
    if (inserted > kLargestRescan) {
        Forget();
        return;
    }
    const int delta = inserted - removed;
    const int windowEnd = windowStart + static_cast<int>(window.size());
    std::vector<int> found;
    for (Entry& e : entries_) {
        const int size = static_cast<int>(e.needle.size());
        // Occurrences starting from here on may touch the change.
        const int touching = pos - size + 1;
        const bool keepsFacts = !e.facts.empty();
        if (keepsFacts) e.facts.resize(e.starts.size());
        auto first = std::lower_bound(e.starts.begin(), e.starts.end(), touching);
        const std::size_t lo = static_cast<std::size_t>(first - e.starts.begin());
        if (e.covered < pos + removed) {
            // The change reaches past what was looked at: keep what lies wholly in front of it.
            e.starts.erase(first, e.starts.end());
            if (keepsFacts) {
                e.facts.resize(lo);
                ForgetLinesAround(e, lo, lo, pos, pos + inserted);
            }
            // Never below -1: a change near the start leaves nothing looked at, not a place before the text.
            e.covered = std::max(-1, std::min(e.covered, touching - 1));
            continue;
        }
        auto after = std::lower_bound(first, e.starts.end(), pos + removed);
        const std::size_t hi = static_cast<std::size_t>(after - e.starts.begin());
        for (auto it = after; it != e.starts.end(); ++it) *it += delta;
        first = e.starts.erase(first, after);
        e.covered += delta;
        found.clear();
        const int last = std::min(pos + inserted - 1, windowEnd - size);
        for (int s = std::max(touching, windowStart); s <= last; ++s)
            if (MatchesAt(window, s - windowStart, e.needle)) found.push_back(s);
        e.starts.insert(first, found.begin(), found.end());
        if (keepsFacts) {
            for (std::size_t i = hi; i < e.facts.size(); ++i) {
                if (e.facts[i].from < 0) continue;
                e.facts[i].from += delta;
                e.facts[i].to += delta;
            }
            e.facts.erase(e.facts.begin() + static_cast<std::ptrdiff_t>(lo), e.facts.begin() + static_cast<std::ptrdiff_t>(hi));
            e.facts.insert(e.facts.begin() + static_cast<std::ptrdiff_t>(lo), found.size(), LineFacts{});
            ForgetLinesAround(e, lo, lo + found.size(), pos, pos + inserted);
        }
    }
}

NeedleOccurrences::Entry& NeedleOccurrences::EntryFor(std::string_view needle) {
    for (Entry& e : entries_)
        if (e.needle == needle) return e;
    Entry& e = entries_.emplace_back();
    e.needle = std::string(needle);
    longest_ = std::max(longest_, static_cast<int>(needle.size()));
    for (char anchor : kAnchors) {
        size_t at = 0;
        for (; at < needle.size() && AsciiLower(needle[at]) != anchor; ++at) {}
        if (at < needle.size()) {
            e.dot = static_cast<int>(at);
            e.anchor = anchor;
            break;
        }
    }
    return e;
}

void NeedleOccurrences::Prepare(const std::vector<std::string_view>& needles, int maxStart) {
    std::array<std::vector<Entry*>, kAnchors.size()> anchored;
    for (std::string_view needle : needles) {
        if (needle.empty()) continue;
        Entry& e = EntryFor(needle);
        if (e.dot < 0) {
            if (e.covered < maxStart) ScanPlain(e, maxStart);
            continue;
        }
        std::vector<Entry*>& group = anchored[kAnchors.find(e.anchor)];
        if (e.covered >= maxStart || std::find(group.begin(), group.end(), &e) != group.end()) continue;
        group.push_back(&e);
    }
    for (const std::vector<Entry*>& group : anchored)
        if (!group.empty()) ScanDots(group, maxStart);
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
    // Needles grouped by the lower-cased two characters after their anchor
    // (one, or none, for needles that end sooner), so most anchors of a
    // script are passed over after one table look-up.
    constexpr unsigned kPairBuckets = 1024;
    auto pairBucket = [](char a, char b) {
        return (static_cast<unsigned char>(AsciiLower(a)) * 31u + static_cast<unsigned char>(AsciiLower(b))) %
               kPairBuckets;
    };
    std::vector<std::vector<Entry*>> byPair(kPairBuckets);
    std::vector<bool> pairUsed(1u << 16);  // the lower-cased pairs some needle has after its anchor
    auto pairIndex = [](char a, char b) {
        return static_cast<unsigned>(static_cast<unsigned char>(AsciiLower(a))) << 8 |
               static_cast<unsigned char>(AsciiLower(b));
    };
    std::array<std::vector<Entry*>, 256> byNext;
    bool anyShort = false;  // a needle with less than two characters after its anchor
    std::vector<Entry*> dotLast;
    int lo = length, hi = -1;
    for (Entry* e : entries) {
        const int size = static_cast<int>(e->needle.size());
        if (e->dot + 2 < size) {
            byPair[pairBucket(e->needle[e->dot + 1], e->needle[e->dot + 2])].push_back(e);
            pairUsed[pairIndex(e->needle[e->dot + 1], e->needle[e->dot + 2])] = true;
        } else if (e->dot + 1 < size) {
            byNext[static_cast<unsigned char>(AsciiLower(e->needle[e->dot + 1]))].push_back(e);
            anyShort = true;
        } else {
            dotLast.push_back(e);
            anyShort = true;
        }
        lo = std::min(lo, e->covered + 1 + e->dot);
        hi = std::max(hi, std::min(maxStart, length - size) + e->dot);
    }
    auto check = [&](Entry* e, int dotPos) {
        const int start = dotPos - e->dot;
        // The first and last characters, compared in place, turn most near misses away before the full comparison.
        const size_t last = e->needle.size() - 1;
        if (start > e->covered && start <= maxStart && start + last < text_.size() &&
            AsciiLower(text_[start]) == AsciiLower(e->needle[0]) && AsciiLower(text_[start + last]) == AsciiLower(e->needle[last]) && MatchesAt(text_, start, e->needle))
            e->starts.push_back(start);
    };
    const char* base = text_.data();
    AnchorScan anchors(text_, entries.front()->anchor, std::min(hi, length - 1) + 1);
    for (int d = std::max(lo, 0); d <= hi && d < length;) {
        d = anchors.Next(d);
        if (d < 0) break;
        if (d + 2 < length && pairUsed[pairIndex(base[d + 1], base[d + 2])])
            for (Entry* e : byPair[pairBucket(base[d + 1], base[d + 2])]) check(e, d);
        if (anyShort) {
            if (d + 1 < length)
                for (Entry* e : byNext[static_cast<unsigned char>(AsciiLower(base[d + 1]))]) check(e, d);
            for (Entry* e : dotLast) check(e, d);
        }
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

void NeedleOccurrences::ForgetLinesAround(Entry& e, std::size_t lo, std::size_t hi, int pos, int end) {
    // Facts are read line by line, so their ranges grow with the index: the
    // search outward stops at the first fact the edit leaves alone.
    for (std::size_t i = lo; i-- > 0;) {
        if (e.facts[i].from < 0) continue;
        if (e.facts[i].to < pos) break;
        e.facts[i] = {};
    }
    for (std::size_t i = hi; i < e.facts.size(); ++i) {
        if (e.facts[i].from < 0) continue;
        if (e.facts[i].from > end) break;
        e.facts[i] = {};
    }
}

const NeedleOccurrences::LineFacts& NeedleOccurrences::FactsAt(Entry& e, std::size_t index) {
    if (e.facts.size() < e.starts.size()) e.facts.resize(e.starts.size());
    LineFacts& facts = e.facts[index];
    if (facts.from >= 0) return facts;
    const int start = e.starts[index];
    int lineStart = start;
    while (lineStart > 0 && text_[lineStart - 1] != '\n' && text_[lineStart - 1] != '\r') --lineStart;
    facts.words = 0;
    std::string word;
    for (int i = lineStart; i < start;) {
        if (!IsNameChar(text_[i])) {
            ++i;
            continue;
        }
        word.clear();
        for (; i < start && IsNameChar(text_[i]); ++i) word += AsciiLower(text_[i]);
        facts.words |= WordBits(word);
    }
    int from = 0, to = 0;
    std::string var = LowerAscii(VariableAt(text_, start, from, to));
    facts.from = std::min(from, std::max(0, lineStart - 1));
    facts.to = to;
    const auto [known, added] = varIds_.emplace(std::move(var), static_cast<int>(vars_.size()));
    if (added) vars_.push_back(known->first);
    facts.var = known->second;
    return facts;
}

int NeedleOccurrences::VarId(std::string_view lower) const {
    const auto found = varIds_.find(std::string(lower));
    return found == varIds_.end() ? -1 : found->second;
}

std::uint64_t NeedleOccurrences::WordBits(std::string_view lowerWord) {
    const std::size_t hash = std::hash<std::string_view>{}(lowerWord);
    return (std::uint64_t{1} << (hash & 63)) | (std::uint64_t{1} << ((hash >> 6) & 63));
}

}  // namespace tarnwick
