// The first compile error of a script, as the Windows host reports it: number,
// text, line and column. Rows marked "Windows" are positions seen on Windows.
#include "language/Check.h"

#include <gtest/gtest.h>

#include <string>

namespace tarnwick::language {
namespace {

struct ErrorRow {
    const char* name;
    std::string script;
    int number;
    const char* text;
    int line;
    int column;
    TextForm form = TextForm::Ansi;
};

const Diagnostic* FirstError(const std::vector<Diagnostic>& found) {
    for (const Diagnostic& d : found)
        if (d.severity == Severity::Error) return &d;
    return nullptr;
}

TEST(CheckErrors, FirstErrorAsTheHostReportsIt) {
    const ErrorRow rows[] = {
        {"nesting beyond the stack", "x = " + std::string(1100, '(') + "1", 1001, "Out of memory", 1, 505},
        {"On Error GoTo a label", "On Error GoTo 1", 1002, "Syntax error", 1, 15},
        {"procedure name then a word", "Sub S x\nEnd Sub", 1005, "Expected '('", 1, 7},
        {"parenthesis not closed", "x = (1 + 2", 1006, "Expected ')'", 1, 11},
        {"bracketed name not closed", "Dim [my name", 1007, "Expected ']'", 1, 13},
        {"Dim 1x", "x = 1\nDim 1x", 1010, "Expected identifier", 2, 5},
        {"Const without =", "Const c 5", 1011, "Expected '='", 1, 9},
        {"If closed by End Sub", "If x Then\n  y = 1\nEnd Sub", 1012, "Expected 'If'", 3, 5},
        {"For without To", "x = 1\nFor i = 1 10\nNext", 1013, "Expected 'To'", 2, 11},
        {"If never closed", "If x Then\r\n  y = 1\r\n", 1014, "Expected 'End'", 3, 1},
        {"If never closed, no last break", "If x Then\n  y = 1", 1014, "Expected 'End'", 3, 1},
        {"Function closed by End Sub", "Function F()\nEnd Sub", 1015, "Expected 'Function'", 2, 5},
        {"Sub closed by End Function", "Sub S()\nEnd Function", 1016, "Expected 'Sub'", 2, 5},
        {"If without Then", "x = 1\nIf x = 1\n  y = 2\nEnd If", 1017, "Expected 'Then'", 2, 9},
        {"While never closed", "While x\n  y = 1\n", 1018, "Expected 'Wend'", 3, 1},
        {"Do never closed", "Do\n  y = 1\n", 1019, "Expected 'Loop'", 3, 1},
        {"For never closed", "For i = 1 To 2\n", 1020, "Expected 'Next'", 2, 1},
        {"Select without Case", "Select Case x\n  y = 1\nEnd Select", 1021, "Expected 'Case'", 2, 3},
        {"Select closed by End If", "Select Case x\n  Case 1\nEnd If", 1022, "Expected 'Select'", 3, 5},
        {"operator at the line's end", "x = 1 +", 1023, "Expected expression", 1, 8},
        {"Windows: Class and End on one line", "Class C End Class", 1024, "Expected statement", 1, 9},
        {"Windows: End While", "While x\n    x = 0 End While\nWend", 1024, "Expected statement", 2, 11},
        {"Windows: call without parentheses assigned",
         "a = 1\nb = 2\nc = 3\nd = 4\nretValue = MsgBox messageText, messageType, messageTitle", 1025,
         "Expected end of statement", 5, 19},
        {"Windows: Wend after a statement", "While x\n    x = 0 Wend\nWend", 1025, "Expected end of statement", 2, 11},
        {"Windows: Loop after a statement", "Do\n    x = 0 Loop\nLoop", 1025, "Expected end of statement", 2, 11},
        {"array bound with To", "Dim x(1 To 2)", 1026, "Expected integer constant", 1, 9},
        {"Do and a word", "Do Foo\nLoop", 1027, "Expected 'While' or 'Until'", 1, 4},
        {"Loop and a word", "Do\nLoop Foo", 1028, "Expected 'While,' 'Until,' or end of statement", 2, 6},
        {"With closed by End If", "With x\nEnd If", 1029, "Expected 'With'", 2, 5},
        {"name of 256 characters", "x = " + std::string(256, 'n'), 1030, "Identifier too long", 1, 5},
        {"two decimal points", "x = 1.2.3", 1031, "Invalid number", 1, 5},
        {"at sign", "x = 1\nx = 1 @ 2", 1032, "Invalid character", 2, 7},
        {"tab is one column", "\tx = @", 1032, "Invalid character", 1, 6},
        {"UTF-8 counts UTF-16 units", "x = \"\xC3\xA9\xF0\x9F\x98\x80\" @", 1032, "Invalid character", 1, 11,
         TextForm::Utf8},
        {"Windows-1252 counts bytes", "x = \"\xE9\" @", 1032, "Invalid character", 1, 9},
        {"string not closed", "x = \"abc", 1033, "Unterminated string constant", 1, 5},
        {"Set Me", "Set Me = Nothing", 1037, "Invalid use of 'Me' keyword", 1, 8},
        {"Loop without Do", "x = 1\r\nLoop", 1038, "'loop' without 'do'", 2, 1},
        {"Exit Sub at the top", "x = 1\nExit Sub", 1039, "Invalid 'exit' statement", 2, 6},
        {"For on an element", "For a(1) = 1 To 2\nNext", 1040, "Invalid 'for' loop control variable", 1, 6},
        {"Dim twice", "Dim a\nDim a", 1041, "Name redefined", 2, 5},
        {"Windows: End If after a statement", "If x Then\n    x = 0 End If\nEnd If", 1042,
         "Must be first statement on the line", 2, 11},
        {"Windows: End Select after a statement",
         "Select Case x\n    Case 1\n        y = 1\n    Case 2\n        y = 2\n        x = True End Select\nEnd Select",
         1042, "Must be first statement on the line", 6, 18},
        {"Windows: parentheses around two arguments", "strcomp(\"x\", \"y\")", 1044,
         "Cannot use parentheses when calling a Sub", 1, 18},
        {"parentheses after a blank", "MsgBox (\"a\", 1)", 1044, "Cannot use parentheses when calling a Sub", 1, 16},
        {"Const of a name after a redefinition", "Const c = 1\nConst c = x", 1045, "Expected literal constant", 2,
         12},
        {"For Each without In", "For Each x y\nNext", 1046, "Expected 'In'", 1, 12},
        {"Class closed by End Sub", "Class C\nEnd Sub", 1047, "Expected 'Class'", 2, 5},
        {"Property outside a class", "Property Get P\nEnd Property", 1048, "Must be defined inside a Class", 1, 10},
        {"Property without Get", "Class C\n  Property P\nEnd Class", 1049,
         "Expected Let or Set or Get in property declaration", 2, 12},
        {"Property closed by End Function", "Class C\n  Property Get P\n  End Function\nEnd Class", 1050,
         "Expected 'Property'", 3, 7},
        {"Get and Let disagree",
         "Class C\n  Property Get P(a)\n  End Property\n  Property Let P(a, b, c)\n  End Property\nEnd Class", 1051,
         "Number of arguments must be consistent across properties specification", 4, 16},
        {"two defaults",
         "Class C\n  Public Default Function F\n  End Function\n  Public Default Function G\n  End Function\nEnd Class",
         1052, "Cannot have multiple default property/method in a Class", 4, 10},
        {"Class_Initialize with an argument", "Class C\n  Sub Class_Initialize(a)\n  End Sub\nEnd Class", 1053,
         "Class initialize or terminate do not have arguments", 2, 23},
        {"Property Let without argument", "Class C\n  Property Let P()\n  End Property\nEnd Class", 1054,
         "Property set or let must have at least one argument", 2, 17},
        {"Next without For", "Next", 1055, "Unexpected 'Next'", 1, 1},
        {"Default on a variable", "Class C\n  Public Default x\nEnd Class", 1056,
         "'Default' can be specified only on 'Property' or 'Function' or 'Sub'", 2, 18},
        {"Default and Private", "Class C\n  Private Default Function F\n  End Function\nEnd Class", 1057,
         "'Default' specification must also specify 'Public'", 2, 11},
        {"Default on Property Let", "Class C\n  Public Default Property Let P(v)\n  End Property\nEnd Class", 1058,
         "'Default' specification can only be on Property Get", 2, 27},
    };
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Diagnostic> found = CheckScript(row.script, row.form, {.warnings = false});
        const Diagnostic* first = FirstError(found);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->number, row.number);
        EXPECT_EQ(first->text, row.text);
        EXPECT_EQ(first->line, row.line);
        EXPECT_EQ(first->column, row.column);
    }
}

}  // namespace
}  // namespace tarnwick::language
