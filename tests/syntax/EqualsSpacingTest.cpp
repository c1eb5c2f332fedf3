#include "syntax/EqualsSpacing.h"

#include "syntax/Scans.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

// The spacing step as the steps state it: search for "=" with SkipStrings and
// SkipComments, respace, and search again from right after the sign written;
// `colours`, when given, follows the edits (the sign and its blanks take the sign's colour).
std::string SpaceStepByStep(std::string w, std::vector<Colour>* colours = nullptr) {
    int i = InStr(w, "=", 0, static_cast<int>(w.size()), NoOptions, true, true);
    while (i != -1) {
        std::size_t a = static_cast<std::size_t>(i);
        while (a > 0 && w[a - 1] == ' ') --a;
        std::size_t b = static_cast<std::size_t>(i) + 1;
        while (b < w.size() && w[b] == ' ') ++b;
        w.erase(a, b - a);
        bool comparison = (a > 0 && (w[a - 1] == '<' || w[a - 1] == '>')) ||
                          (a < w.size() && (w[a] == '<' || w[a] == '>'));
        std::string sign = comparison ? "=" : " = ";
        w.insert(a, sign);
        if (colours != nullptr) {
            const Colour colour = (*colours)[static_cast<std::size_t>(i)];
            colours->erase(colours->begin() + a, colours->begin() + b);
            colours->insert(colours->begin() + a, sign.size(), colour);
        }
        i = InStr(w, "=", static_cast<int>(a + sign.size()) + 1, static_cast<int>(w.size()), NoOptions, true, true);
    }
    return w;
}

std::string Spaced(std::string w) {
    SpaceEqualsSigns(w);
    return w;
}

TEST(EqualsSpacingTest, Lines) {
    const std::pair<std::string, std::string> cases[] = {
        {"x=1", "x = 1"},
        {"a  =   b", "a = b"},
        {"x =", "x = "},
        {"=", " = "},
        {"a<=b", "a<=b"},
        {"a < = b", "a <=b"},
        {"a >= b", "a >=b"},
        {"a==b", "a = = b"},
        {"x    =    y=1", "x = y = 1"},
        {"s = \"a=b=c\"", "s = \"a=b=c\""},
        {"x=1 ' a=b", "x = 1 ' a=b"},
        {"' \"don't\" a=b", "' \"don't\" a=b"},
        {"rem a=b", "rem a=b"},
        {"remainder=1", "remainder = 1"},
        {"s=\"a\"\"=\"", "s = \"a\"\"=\""},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(Spaced(line), expected) << line;
        EXPECT_EQ(SpaceStepByStep(line), expected) << line;
        EXPECT_EQ(Spaced(expected), expected) << line << " (again)";
    }
}

TEST(EqualsSpacingTest, OneWalkAgreesWithTheRepeatedSearch) {
    static const std::string pieces[] = {"=", "=", " ", "  ", "<", ">", "\"", "'", "rem", "Rem", "x",
                                         "remx", "_", "1", ":", "\t"};
    std::mt19937 random(1208);
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        for (int n = static_cast<int>(random() % 16); n > 0; --n) line += pieces[random() % std::size(pieces)];
        std::vector<Colour> colours(line.size()), expected;
        for (Colour& c : colours) c = static_cast<Colour>(random() % 4);
        expected = colours;
        std::string spaced = line;
        SpaceEqualsSigns(spaced, &colours);
        ASSERT_EQ(spaced, SpaceStepByStep(line, &expected)) << line;
        ASSERT_EQ(colours, expected) << line;
    }
}

}  // namespace
}  // namespace tarnwick
