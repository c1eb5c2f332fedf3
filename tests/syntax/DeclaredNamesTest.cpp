#include "syntax/DeclaredNames.h"
#include "syntax/DimStatements.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(DeclaredNamesTest, NamesOfOneDimStatement) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {" a", {"a"}},
        {" a, b ,c", {"a", "b", "c"}},
        {" arr(10, 2), Count", {"arr", "Count"}},
        {" grid (3, 4) , x", {"grid", "x"}},
        {" a ' b, c", {"a"}},
        {" a : b = 1", {"a"}},
        {" a\r\nDim b", {"a"}},
        {" a, _", {"a"}},
        {"", {}},
        {" 1x, y", {"y"}},
        {" m(f(1), 2), n", {"m", "n"}},
        {" my_var2, x=1, a.b", {"my_var2", "x", "a"}},
    };
    for (const auto& [text, expected] : cases) {
        DeclaredNameList names;
        AppendDeclaredNames(text, names);
        EXPECT_EQ(names.ToVector(), expected) << text;
    }
}

TEST(DeclaredNamesTest, EveryDimOfTheDocumentInOrder) {
    EditorModel m;
    DimStatements dims(m);
    m.SetText("' Dim hidden\r\nDim a, b\r\ns = \"Dim no\"\r\nx = 1 : Dim c\r\nReDim d(2)\r\nDim e");
    EXPECT_EQ(dims.Names(m.Length(), 0, m.Line(0)).ToVector(), (std::vector<std::string>{"a", "b", "c", "e"}));
    // The first window ends at the given Count; "Dim a" lies beyond it.
    m.SetText("x = 1\r\nDim a");
    EXPECT_EQ(dims.Names(3, 0, m.Line(0)).ToVector(), std::vector<std::string>{});
    // The search after a Dim keeps Count from there: its window may end inside a word, whose
    // first letters then stand as a whole word.
    m.SetText("x : dim a\r\nx dimension");
    EXPECT_EQ(dims.Names(9, 0, m.Line(0)).ToVector(), (std::vector<std::string>{"a", "ension"}));
}

}  // namespace
}  // namespace tarnwick
