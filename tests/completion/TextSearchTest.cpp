#include "completion/TextSearch.h"
#include "LiteralSearch.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnwick {
namespace {

using testing::LiteralRevFind;
using testing::LiteralStandsBeforeDot;

std::string RandomText(std::mt19937& rng, int length) {
    static const char alphabet[] = "aAbB.xX\r\n =\"'";
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 2);
    std::string s;
    for (int i = 0; i < length; ++i) s += alphabet[pick(rng)];
    return s;
}

TEST(CompletionTextSearch, NameBeforeDotAgreesWithTheLiteralTest) {
    std::mt19937 rng(7);
    for (int round = 0; round < 4000; ++round) {
        const std::string text = RandomText(rng, std::uniform_int_distribution<int>(0, 30)(rng));
        // Names that repeat themselves catch a later occurrence overlapping the dot.
        const std::string name = RandomText(rng, std::uniform_int_distribution<int>(0, 3)(rng));
        const int caret = std::uniform_int_distribution<int>(-1, 32)(rng);
        ASSERT_EQ(NameStandsBeforeDot(text, caret, name), LiteralStandsBeforeDot(text, caret, name))
            << "text '" << text << "' name '" << name << "' caret " << caret;
    }
}

TEST(CompletionTextSearch, BackwardSearchFromTheBoundIsRevFind) {
    std::mt19937 rng(5);
    for (int round = 0; round < 4000; ++round) {
        const std::string text = RandomText(rng, std::uniform_int_distribution<int>(0, 30)(rng));
        const std::string needle = RandomText(rng, std::uniform_int_distribution<int>(1, 3)(rng));
        const int limit = std::uniform_int_distribution<int>(-2, 33)(rng);
        int found = -1;
        for (int start = RevFindMaxStart(limit, static_cast<int>(text.size()), static_cast<int>(needle.size()));
             start >= 0 && found < 0; --start)
            if (MatchesAt(text, start, needle)) found = start;
        const int expected = LiteralRevFind(limit, text, needle);
        ASSERT_EQ(found, expected == -1 ? -1 : expected - 1)
            << "text '" << text << "' needle '" << needle << "' limit " << limit;
    }
}

}  // namespace
}  // namespace tarnwick
