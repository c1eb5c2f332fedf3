// Scripts the host compiles: every construct of the language, the tricky ones
// included, checks without an error.
#include "language/Check.h"

#include <gtest/gtest.h>

namespace tarnwick::language {
namespace {

struct ValidRow {
    const char* name;
    const char* script;
};

TEST(CheckValid, ConstructsTheHostAcceptsCheckClean) {
    const ValidRow rows[] = {
        {"Option Explicit and declarations",
         "' header\nOption Explicit\nDim a, b(3), c()\nPrivate p\nPublic q(1, 2)\nReDim c(5)\n"
         "ReDim Preserve c(a + 1, 2)\nErase c\nConst k = 5, s = \"x\", n = -1.5E3, d = #1/2/2000#, h = &HFF&"},
        {"assignment and Set", "a = 1\nSet o = New C\nSet o = Nothing\nSet o.Child = CreateObject(\"x\")"},
        {"calls with and without parentheses",
         "Call F(1, 2)\nCall F\nF 1, 2\nF (x)\nF (a), b\nF (a+1)*2, b\nx = F(a, b)\nMsgBox \"a\", , \"t\"\nF()\n"
         "o.M(1).N 2\nRandomize\nRandomize 5\nStop\nExecute \"x = 1\"\nExecuteGlobal s"},
        {"index and call chains", "a(0)(4) = 7\nx = Me(21)\nx = Eval(x)(1)(0)\nx = o.a(1).b(2, 3).c"},
        {"single-line If with : chains and Else",
         "If a Then b = 1 : c = 2 Else d = 3 : e = 4\nIf a Then b = 1 Else\nIf a Then If b Then c Else d\n"
         "Do\nIf a Then Exit Do\nLoop\nIf a Then b = 1 End If"},
        {"block If", "If a Then\n  b\nElseIf c Then d\nElseIf e Then\n  f\nElse g\nEnd If\nIf a Then ' note\nEnd If"},
        {"loops",
         "For i = 1 To 10 Step -2\n  If i Then Exit For\nNext\nFor Each x In xs\nNext\nDo While a\n  Exit Do\nLoop\n"
         "Do Until a : Loop\nDo\nLoop While a\nDo\nLoop Until a\nDo\nLoop\nWhile a\nWend"},
        {"Select Case", "Select Case x\n  Case 1, 2 : y\n  Case \"a\"\n    z\n  Case Else\n    w\nEnd Select"},
        {"With and .X after Then and Else",
         "With o\n  .X = 1\n  If a Then .Y = 2 Else .Z 3\n  x = .A(1).B + .C\n  .M .N, 2\nEnd With"},
        {"On Error", "On Error Resume Next\nOn Error GoTo 0"},
        {"procedures",
         "Sub S\nEnd Sub\nSub T()\n  Exit Sub\nEnd Sub\nPrivate Function F(ByVal a, ByRef b, c())\n  F = a\n"
         "  Exit Function\nEnd Function\nPublic Sub U(a) : x = a : End Sub\nFunction G(x) G = x\nEnd Function"},
        {"class with members",
         "Class C\n  Public a, b\n  Private m(3)\n  Dim d\n  Public Default Property Get P(i)\n    P = m(i)\n"
         "    Exit Property\n  End Property\n  Public Property Let P(i, v)\n    m(i) = v\n  End Property\n"
         "  Property Set O(v) : Set d = v : End Property\n  Private Sub Class_Initialize()\n    Set Me.O = Nothing\n"
         "  End Sub\n  Sub Class_Terminate\n  End Sub\n  Function F\n    F = Me.a\n  End Function\nEnd Class"},
        {"operators", "x = -2 ^ -a * b / c \\ d Mod e + f - g & h\nIf a <> Not b Then x = 1\n"
                      "x = a = b Or c < d And Not e >= f Xor g <= h Eqv i > j Imp k Is Nothing\nx = 1 <> 2"},
        {"literals", "x = &O17 + &H1f + 1.5 + .5 + 1e10 + 2.5E-3 + \"a\"\"b\" + #12/31/1999 10:00# + True + Null + Empty"},
        {"continuations and comments", "x = 1 + _\n    2 _\n  + 3 ' comment\nRem a comment\nx = 1 : Rem more\n"
                                       "y = 2 ' Rem\n:: x = 3 :"},
        {"context keywords as names",
         "Dim Property, Error, Explicit, Step\nProperty = 1\nx = Error + Step\nFor Step = 1 To 2 Step Step\nNext\n"
         "Sub Default(Explicit) : End Sub\no.End = 1 : x = o.Class.Next.Loop"},
        {"bracketed names", "Dim [my name]\n[my name] = 1\nx = [a b] + o.[c d]"},
        {"nested procedures in blocks at the top", "If a Then\n  Sub S\n  End Sub\nEnd If"},
        {"CR LF and lone CR", "x = 1\r\ny = 2\rz = 3\r\n"},
    };
    for (const ValidRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const Diagnostic& d : CheckScript(row.script, TextForm::Ansi, {.warnings = false}))
            ADD_FAILURE() << d.number << " " << d.text << " at " << d.line << ", " << d.column;
    }
}

}  // namespace
}  // namespace tarnwick::language
