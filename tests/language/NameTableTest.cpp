#include "language/NameTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>

namespace tarnwick::language {
namespace {

// Against a map of strings: one stored copy per spelling, whichever way a short one
// comes in, and every copy still in place and intact once the table has grown.
TEST(NameTable, KeepsEachSpellingOnceAndInPlace) {
    NameTable table;
    std::map<std::string, std::string_view> kept;
    std::mt19937 random(5);
    const std::size_t lengths[] = {1, 2, 7, 8, 9, 15, 16, 17, 24, 300};
    for (int i = 0; i < 20000; ++i) {
        // Mostly the same byte, with a number somewhere: spellings alike in their first words.
        std::string name(lengths[random() % std::size(lengths)], 'x');
        const std::string number = std::to_string(random() % 500);
        name.replace(random() % name.size(), number.size(), number);
        std::string_view found;
        if (name.size() <= NameTable::kShort && random() % 2 == 0) {
            std::uint64_t words[2] = {0, 0};
            std::memcpy(words, name.data(), name.size());
            found = table.InternShort(words[0], words[1], name.size());
        } else {
            found = table.Intern(name);
        }
        ASSERT_EQ(found, name);
        const auto [at, added] = kept.emplace(name, found);
        EXPECT_EQ(found.data(), at->second.data()) << name;
    }
    std::set<const char*> places;
    for (const auto& [name, view] : kept) {
        EXPECT_EQ(view, name);
        places.insert(view.data());
    }
    EXPECT_EQ(places.size(), kept.size());
}

}  // namespace
}  // namespace tarnwick::language
