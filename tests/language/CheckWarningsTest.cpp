// Findings beyond the host: each warning where it belongs, and none where a
// script is sound or may define names at run time.
#include "language/Check.h"

#include <gtest/gtest.h>

namespace tarnwick::language {
namespace {

struct WarningRow {
    const char* name;
    const char* script;
    int number;  // 0: no warning at all
    int line = 0;
    int column = 0;
};

TEST(CheckWarnings, FindingsBeyondTheHost) {
    const WarningRow rows[] = {
        {"undeclared under Option Explicit", "Option Explicit\nDim a\na = b", 9001, 3, 5},
        {"built-ins and ReDim are declared",
         "Option Explicit\nReDim r(2)\nr(0) = vbCrLf & WScript.ScriptName & Err.Number\nMsgBox Len(r(0))", 0},
        {"Execute may declare anything", "Option Explicit\nExecute \"Dim b\"\nb = 1", 0},
        {"class members and parameters are declared",
         "Option Explicit\nClass C\n  Private m\n  Sub S(p)\n    m = p\n  End Sub\nEnd Class\nDim o\nSet o = New C\no.S 1", 0},
        {"too many arguments", "Sub S(a)\nEnd Sub\nS 1, 2", 9002, 3, 1},
        {"too few arguments in an expression", "Function F(a, b)\nEnd Function\nx = F(1)", 9002, 3, 5},
        {"own name in its Function is its value", "Function F(a)\n  F = 1\n  F = F + a\nEnd Function\nx = F(2)", 0},
        {"Resume Next left on", "Sub S\n  On Error Resume Next\n  x = 1\nEnd Sub\nS", 9003, 2, 3},
        {"Resume Next turned off", "On Error Resume Next\nx = 1\nOn Error GoTo 0", 0},
        {"Set missing", "Dim fso\nfso = CreateObject(\"Scripting.FileSystemObject\")\nMsgBox fso", 9004, 2, 1},
        {"Set missing on New", "Dim o\no = New RegExp\nMsgBox o", 9004, 2, 1},
        {"a call on the object needs no Set", "Dim n\nn = CreateObject(\"x\").Count\nMsgBox n", 0},
        {"declared, never used", "Sub S\n  Dim unused\nEnd Sub\nS", 9005, 2, 7},
    };
    for (const WarningRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Diagnostic> warnings;
        for (const Diagnostic& d : CheckScript(row.script, TextForm::Ansi)) {
            EXPECT_EQ(d.severity, Severity::Warning) << d.number << " " << d.text;
            warnings.push_back(d);
        }
        if (row.number == 0) {
            for (const Diagnostic& d : warnings) ADD_FAILURE() << d.number << " " << d.text;
            continue;
        }
        ASSERT_EQ(warnings.size(), 1u) << (warnings.empty() ? "" : warnings[0].text);
        EXPECT_EQ(warnings[0].number, row.number);
        EXPECT_EQ(warnings[0].line, row.line);
        EXPECT_EQ(warnings[0].column, row.column);
    }
    // Each warning says what it is in words of its own.
    EXPECT_EQ(HostLine("a.vbs", CheckScript("Dim x", TextForm::Ansi)[0]),
              "a.vbs(1, 5) Tarnwick warning: Variable declared but never used: 'x'");
}

}  // namespace
}  // namespace tarnwick::language
