#include "completion/NeedleOccurrences.h"

#include "completion/TextSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace tarnwick {
namespace {

std::vector<int> NaiveStarts(std::string_view text, std::string_view needle, int maxStart) {
    std::vector<int> starts;
    for (int s = 0; s <= maxStart && s < static_cast<int>(text.size()); ++s)
        if (MatchesAt(text, s, needle)) starts.push_back(s);
    return starts;
}

std::vector<int> UpTo(const std::vector<int>& starts, int maxStart) {
    std::vector<int> out;
    for (int s : starts)
        if (s <= maxStart) out.push_back(s);
    return out;
}

TEST(NeedleOccurrences, AgreesWithANaiveScanInAnyOrderOfRequests) {
    std::mt19937 rng(3);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    static const char alphabet[] = "aA.b= \n";
    auto random = [&](int length) {
        std::string s;
        for (int i = 0; i < length; ++i) s += alphabet[pick(7)];
        return s;
    };
    for (int round = 0; round < 1500; ++round) {
        std::string text = random(pick(40));
        // Needles with a dot first, last, inside, twice, or none at all.
        std::vector<std::string> needles;
        for (int i = 0; i < 4; ++i) needles.push_back(random(1 + pick(4)));
        NeedleOccurrences occurrences(text);
        std::vector<std::string_view> views(needles.begin(), needles.end());
        occurrences.Prepare(views, pick(45) - 2);
        // Kept across changes of the text, each reported with the text near it alone.
        for (int request = 0; request < 12; ++request) {
            if (request % 3 == 2) {
                const int pos = pick(static_cast<int>(text.size()) + 1);
                const int removed = pick(static_cast<int>(text.size()) - pos + 1) % 4;
                const std::string inserted = random(pick(4));
                text.replace(static_cast<size_t>(pos), static_cast<size_t>(removed), inserted);
                const int reach = occurrences.LongestNeedle();
                const int from = std::max(0, pos - reach);
                const int to = std::min(static_cast<int>(text.size()), pos + static_cast<int>(inserted.size()) + reach);
                occurrences.TextChanged(pos, removed, static_cast<int>(inserted.size()),
                                        std::string_view(text).substr(from, to - from), from);
                occurrences.Rebind(text);
            }
            const std::string& needle = needles[pick(4)];
            const int maxStart = pick(45) - 2;
            ASSERT_EQ(UpTo(occurrences.StartsUpTo(needle, maxStart), maxStart), NaiveStarts(text, needle, maxStart))
                << "text '" << text << "' needle '" << needle << "' up to " << maxStart;
            // The lines' facts kept across the changes equal those read afresh.
            NeedleOccurrences fresh(text);
            const std::vector<int> starts = UpTo(occurrences.StartsUpTo(needle, maxStart), maxStart);
            const std::vector<int>& freshStarts = fresh.StartsUpTo(needle, static_cast<int>(text.size()));
            for (std::size_t i = 0; i < starts.size(); ++i) {
                const auto& kept = occurrences.LinesOf(needle)[i];
                const auto at = std::find(freshStarts.begin(), freshStarts.end(), starts[i]) - freshStarts.begin();
                const auto& read = fresh.LinesOf(needle)[static_cast<std::size_t>(at)];
                ASSERT_EQ(std::tie(occurrences.VarName(kept.var), kept.words, kept.from, kept.to),
                          std::tie(fresh.VarName(read.var), read.words, read.from, read.to))
                    << "text '" << text << "' needle '" << needle << "' at " << starts[i];
            }
        }
    }
}

}  // namespace
}  // namespace tarnwick
