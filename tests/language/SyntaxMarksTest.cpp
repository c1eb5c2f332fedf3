#include "language/SyntaxMarks.h"

#include <gtest/gtest.h>

namespace tarnwick::language {
namespace {

// Marks at 10..13 (error) and 20 (an "expected" mark of no length): where each
// stands after an edit, and which one tells of a range.
TEST(SyntaxMarks, FollowTheirTextAcrossEdits) {
    struct Row {
        const char* name;
        int pos, removed, inserted;
        std::vector<std::pair<int, int>> expected;  // offset, length of each mark
    };
    const Row rows[] = {
        {"typed before both", 2, 0, 3, {{13, 3}, {23, 0}}},
        {"deleted before both", 2, 4, 0, {{6, 3}, {16, 0}}},
        {"typed right after the error", 13, 0, 1, {{10, 3}, {21, 0}}},
        {"typed inside the error", 11, 0, 2, {{10, 5}, {22, 0}}},
        {"typed at the empty mark", 20, 0, 1, {{10, 3}, {20, 1}}},
        {"the error's text deleted over its start", 8, 4, 0, {{8, 1}, {16, 0}}},
        {"after both", 30, 1, 5, {{10, 3}, {20, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SyntaxMarks marks;
        marks.Assign({{Severity::Warning, 9000, "w", 1, 21, 20, 0}, {Severity::Error, 1010, "e", 1, 11, 10, 3}});
        marks.Shift(row.pos, row.removed, row.inserted);
        std::vector<std::pair<int, int>> actual;
        for (const SyntaxMark& mark : marks.All()) actual.emplace_back(mark.offset, mark.length);
        EXPECT_EQ(actual, row.expected);
    }
    SyntaxMarks marks;
    marks.Assign({{Severity::Warning, 9000, "w", 1, 1, 0, 30}, {Severity::Error, 1010, "e", 1, 11, 10, 3},
                  {Severity::Warning, 9001, "end", 1, 41, 40, 0}});
    EXPECT_EQ(marks.Within(0, 50)->text, "e");     // the error before the earlier warning
    EXPECT_EQ(marks.Within(20, 21)->text, "w");    // a long mark reaches in from before
    EXPECT_EQ(marks.Within(40, 41)->text, "end");  // a mark of no length at the place
    EXPECT_EQ(marks.Within(31, 40), nullptr);
}

}  // namespace
}  // namespace tarnwick::language
