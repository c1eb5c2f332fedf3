#include "syntax/Scans.h"

#include "tests/syntax/ReferenceScans.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tarnwick {
namespace {

struct SearchCase {
    const char* name;
    std::string text;
    std::string sub;
    int start;
    int count;
    unsigned options;
    int expected;
};

TEST(ScansTest, SearchStrWindowsAndWholeWords) {
    const SearchCase cases[] = {
        {"whole word at the start", "Dim x", "dim", 0, 5, WholeWord, 0},
        {"inside redim", "redim x", "dim", 0, 7, WholeWord, -1},
        {"underscore is a delimiter", "my_dim", "dim", 0, 6, WholeWord, 3},
        {"digit is no delimiter", "dim2", "dim", 0, 4, WholeWord, -1},
        {"window start is a word edge", "xdim", "dim", 2, 3, WholeWord, 1},
        {"window end is a word edge", "dimension", "dim", 0, 2, WholeWord, 0},
        {"match case finds nothing", "dim", "Dim", 0, 3, MatchCase, -1},
        {"ignoring case finds it", "dim", "Dim", 0, 3, NoOptions, 0},
        {"empty word is never found", "abc", "", 0, 3, NoOptions, -1},
        {"start 1 is start 0", "a=b", "=", 1, 3, NoOptions, 1},
        {"result counts from start", "a=b=c", "=", 3, 5, NoOptions, 3},
        {"start past the end", "abc", "c", 5, 3, NoOptions, -1},
        {"window of Count + 1 characters", "abcd", "d", 0, 2, NoOptions, -1},
        {"window just reaches", "abcd", "d", 0, 3, NoOptions, 3},
        {"overlapping whole-word retry", "aa aa", "aa", 0, 5, WholeWord, 0},
        {"rejected then accepted", "xdim dim", "dim", 0, 8, WholeWord, 5},
        {"braces are no delimiters", "{dim}", "dim", 0, 5, WholeWord, -1},
        {"high bytes are no delimiters", "\xE9" "dim", "dim", 0, 4, WholeWord, -1},
        {"only A to Z fold", "\xC9", "\xE9", 0, 1, NoOptions, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchStr(c.text, c.sub, c.start, c.count, c.options), c.expected) << c.name;
        EXPECT_EQ(reference::SearchStr(c.text, c.sub, c.start, c.count, c.options), c.expected) << c.name;
    }
}

TEST(ScansTest, DelimiterSet) {
    std::string delimiters;
    for (int c = 0; c < 256; ++c)
        if (IsDelimiter(static_cast<unsigned char>(c))) delimiters += static_cast<char>(c);
    EXPECT_EQ(delimiters, std::string("\0\b\t\n\r", 5) + " !\"#$%&'()*+,-./:;<=>?@[\\]^_`");
}

struct InStrCase {
    const char* name;
    std::string text;
    std::string sub;
    int start;
    unsigned options;
    bool skipStrings;
    bool skipComments;
    int expected;
};

TEST(ScansTest, InStrPassesOverStringsAndComments) {
    const InStrCase cases[] = {
        {"apostrophe inside a string", "x = \"a'b\" '", "'", 0, NoOptions, true, false, 10},
        {"keyword in a string", "x = \"Dim\" : Dim y", "dim", 0, WholeWord, true, true, 12},
        {"keyword after a comment", "x = 1 ' Dim", "dim", 0, WholeWord, true, true, -1},
        {"every equals of a string is skipped", "s = \"a=b=c\"", "=", 6, NoOptions, true, true, -1},
        {"equals after rem", "rem a = b", "=", 0, NoOptions, true, true, -1},
        {"remainder is no comment", "remainder = 5", "=", 0, NoOptions, true, true, 10},
        {"Premium is no comment", "Premium = 5", "=", 0, NoOptions, true, true, 8},
        {"rem in a string is no comment", "s = \"rem\" : t = 1", "=", 4, NoOptions, true, true, 14},
        {"without flags strings count", "\"=\"", "=", 0, NoOptions, false, false, 1},
        {"comment on an earlier line does not count", "' top\r\nDim a", "dim", 0, WholeWord, true, true, 7},
        {"string open on an earlier line does not count", "x = \"\r\nDim a", "dim", 0, WholeWord, true, true, 7},
    };
    for (const auto& c : cases) {
        int count = static_cast<int>(c.text.size());
        EXPECT_EQ(InStr(c.text, c.sub, c.start, count, c.options, c.skipStrings, c.skipComments), c.expected)
            << c.name;
        EXPECT_EQ(reference::InStr(c.text, c.sub, c.start, count, c.options, c.skipStrings, c.skipComments),
                  c.expected)
            << c.name;
    }
}

struct PositionCase {
    const char* name;
    std::string text;
    int pos;
    bool inString;
    bool inComment;
};

TEST(ScansTest, IsStringAndIsCommentDecideFromTheLineStart) {
    const PositionCase cases[] = {
        {"doubled quote stays inside", "x = \"a\"\"b\"", 9, true, false},
        {"after the closing quote", "x = \"a\" + b", 10, false, false},
        {"after an apostrophe", "x = 1 ' note", 9, false, true},
        {"apostrophe at the first position counts", "' note", 2, false, true},
        {"apostrophe in a string", "x = \"it's\" + y", 12, false, false},
        {"a quote inside a comment ends no comment", "' the \"don't\" x", 14, false, true},
        {"after whole-word rem", "rem note", 5, false, true},
        {"rem at the end of the text", "x : rem", 7, false, true},
        {"remainder is no rem", "remainder + y", 11, false, false},
        {"Premium is no rem", "Premium + y", 9, false, false},
        {"rem inside a string", "x = \"a rem b\" + c", 16, false, false},
        {"last whole-word rem counts", "x = \"rem\" : rem c", 17, false, true},
        {"position zero", "'x", 0, false, false},
        {"earlier line's comment ends at the break", "' a\r\nb = 1", 7, false, false},
        {"earlier line's quote ends at the break", "\"a\r\nb = 1", 6, false, false},
        {"between CR and LF is the line before", "' \"a\r\nb", 5, true, true},
        {"start does not matter", "' a = 1", 4, false, true},
    };
    for (const auto& c : cases) {
        for (int start : {0, 1, 3}) {
            EXPECT_EQ(IsString(c.text, start, c.pos), c.inString) << c.name << " start " << start;
            EXPECT_EQ(IsComment(c.text, start, c.pos), c.inComment) << c.name << " start " << start;
            EXPECT_EQ(reference::IsString(c.text, start, c.pos), c.inString) << c.name;
            EXPECT_EQ(reference::IsComment(c.text, start, c.pos), c.inComment) << c.name;
        }
    }
}

TEST(ScansTest, RevFindIsOneBasedAndIgnoresCase) {
    EXPECT_EQ(RevFind(-1, "abcabc", "BC"), 5);
    EXPECT_EQ(RevFind(4, "abcabc", "bc"), 2);
    EXPECT_EQ(RevFind(5, "abcabc", "bc"), 5);
    EXPECT_EQ(RevFind(99, "abcabc", "a"), 4);
    EXPECT_EQ(RevFind(0, "abcabc", "a"), -1);
    EXPECT_EQ(RevFind(-3, "abcabc", "a"), -1);
    EXPECT_EQ(RevFind(3, "", "a"), -1);
    EXPECT_EQ(RevFind(3, "abc", ""), 3);
    EXPECT_EQ(RevFind(2, "ab", "abc"), -1);
}

// Random lines made of the characters the scans react to.
std::string RandomText(std::mt19937& random, int maxLength) {
    static const std::string pieces[] = {"d", "i", "m", "D", "I", "M", "r", "e", "R", "E", " ", "  ", "\"",
                                         "'", "=", "<", ">", "_", "x", "1", "\r\n", "\n", "dim", "rem", "Rem",
                                         "\xE9", "{", ".", ":"};
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::string s;
    for (int n = length(random); n > 0; --n) s += pieces[piece(random)];
    return s;
}

TEST(ScansTest, FastScansAgreeWithTheStepByStepOnes) {
    std::mt19937 random(20261208);
    const std::string subs[] = {"dim", "rem", "=", "'", "\"", "d", "im", "Dim", "x", "dd"};
    for (int round = 0; round < 20000; ++round) {
        const std::string s = RandomText(random, 24);
        const int n = static_cast<int>(s.size());
        std::uniform_int_distribution<int> position(-1, n + 2);
        const std::string& sub = subs[random() % std::size(subs)];
        const int start = std::uniform_int_distribution<int>(0, n + 2)(random);
        const int count = std::uniform_int_distribution<int>(-1, n + 2)(random);
        const unsigned options = random() % 4;
        const bool skipStrings = random() % 2;
        const bool skipComments = random() % 2;
        const int pos = position(random);
        ASSERT_EQ(SearchStr(s, sub, start, count, options), reference::SearchStr(s, sub, start, count, options))
            << '"' << s << "\" " << sub << ' ' << start << ' ' << count << ' ' << options;
        ASSERT_EQ(InStr(s, sub, start, count, options, skipStrings, skipComments),
                  reference::InStr(s, sub, start, count, options, skipStrings, skipComments))
            << '"' << s << "\" " << sub << ' ' << start << ' ' << count;
        ASSERT_EQ(IsString(s, start, pos), reference::IsString(s, start, pos)) << '"' << s << "\" " << pos;
        ASSERT_EQ(IsComment(s, start, pos), reference::IsComment(s, start, pos)) << '"' << s << "\" " << pos;
        ASSERT_EQ(RevFind(pos, s, sub), reference::RevFind(pos, s, sub)) << '"' << s << "\" " << pos;
        const StringCommentMask mask(s);
        ASSERT_EQ(mask.Skips(pos), reference::IsString(s, start, pos) || reference::IsComment(s, start, pos))
            << '"' << s << "\" " << pos;
        ASSERT_EQ(mask.InString(pos), reference::IsString(s, start, pos)) << '"' << s << "\" " << pos;
        ASSERT_EQ(InStr(s, sub, start, count, options, mask, skipComments),
                  reference::InStr(s, sub, start, count, options, true, skipComments))
            << '"' << s << "\" " << sub << ' ' << start << ' ' << count;
    }
}

}  // namespace
}  // namespace tarnwick
