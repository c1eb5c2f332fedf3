#include "completion/NeedleOccurrences.h"

#include "completion/TextSearch.h"

#include <gtest/gtest.h>

#include <random>

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
    static const char alphabet[] = "aA.b";
    auto random = [&](int length) {
        std::string s;
        for (int i = 0; i < length; ++i) s += alphabet[pick(4)];
        return s;
    };
    for (int round = 0; round < 1500; ++round) {
        const std::string text = random(pick(40));
        // Needles with a dot first, last, inside, twice, or none at all.
        std::vector<std::string> needles;
        for (int i = 0; i < 4; ++i) needles.push_back(random(1 + pick(4)));
        NeedleOccurrences occurrences(text);
        std::vector<std::string_view> views(needles.begin(), needles.end());
        occurrences.Prepare(views, pick(45) - 2);
        for (int request = 0; request < 6; ++request) {
            const std::string& needle = needles[pick(4)];
            const int maxStart = pick(45) - 2;
            ASSERT_EQ(UpTo(occurrences.StartsUpTo(needle, maxStart), maxStart), NaiveStarts(text, needle, maxStart))
                << "text '" << text << "' needle '" << needle << "' up to " << maxStart;
        }
    }
}

}  // namespace
}  // namespace tarnwick
