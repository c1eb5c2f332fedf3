#include "documents/SavedTextDigest.h"

#include <gtest/gtest.h>

#include <string>
#include <algorithm>
#include <utility>

using tarnwick::SavedTextDigest;

// Whether a text still equals the one taken, across the 64 KiB blocks the digest keeps.
TEST(SavedTextDigest, TellsWhetherATextIsTheOneTaken) {
    const std::size_t block = 64 * 1024;
    std::string big(3 * block + 17, 'a');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i * 7 % 26);
    auto changed = [&](auto edit) {
        std::string text = big;
        edit(text);
        return text;
    };
    const struct Row {
        const char* name;
        std::string text;
        bool equal;
    } rows[] = {
        {"the same text", big, true},
        {"one byte in a middle block", changed([&](std::string& t) { t[block + 5] ^= 1; }), false},
        {"one byte in the last, short block", changed([&](std::string& t) { t.back() ^= 1; }), false},
        {"two blocks swapped", changed([&](std::string& t) { std::swap_ranges(t.begin(), t.begin() + block, t.begin() + block); }), false},
        {"a byte more", big + "a", false},
        {"a byte less", big.substr(0, big.size() - 1), false},
        {"empty", "", false},
    };
    const SavedTextDigest saved(big);
    for (const Row& row : rows) EXPECT_EQ(saved == row.text, row.equal) << row.name;
    EXPECT_TRUE(SavedTextDigest() == "");
    SavedTextDigest cleared(big);
    cleared.clear();
    EXPECT_TRUE(cleared == "");
}
