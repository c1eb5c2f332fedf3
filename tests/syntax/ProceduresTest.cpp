#include "syntax/Procedures.h"

#include "editor/EditorModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

// Each declaration as "label@line-endLine:column".
std::string Scanned(const std::string& text) {
    EditorModel model;
    model.SetText(text);
    std::string out;
    for (const Procedure& p : ScanProcedures(model))
        out += ProcedureLabel(p) + "@" + std::to_string(p.line) + "-" + std::to_string(p.endLine) + ":" +
               std::to_string(p.column) + ";";
    return out;
}

TEST(ProceduresTest, Declarations) {
    struct Row {
        const char* name;
        const char* script;
        const char* expected;
    } rows[] = {
        {"a class with nested properties",
         "Option Explicit\n"
         "Class Person\n"
         "    Private mName\n"
         "    Public Default Property Get Name\n"
         "        Name = mName\n"
         "    End Property\n"
         "    Public Property Let Name(value) : mName = value : End Property\n"
         "    Property Set Owner(o)\n"
         "    End Property\n"
         "    Private Sub Class_Initialize()\n"
         "    End Sub\n"
         "End Class\n"
         "Function Twice(x) ' a comment: Sub Not\n"
         "    Twice = 2 * x\n"
         "End Function\n",
         "Class Person@1-11:0;Property Get Person.Name@3-5:4;Property Let Person.Name@6-6:4;"
         "Property Set Person.Owner@7-8:4;Sub Person.Class_Initialize@9-10:4;Function Twice@12-14:0;"},
        {"any case, after a colon, escaped names",
         "x = 1 : sub main\nEND SUB\nPUBLIC FUNCTION [my name]()\nend function",
         "Sub main@0-1:8;Function my name@2-3:0;"},
        {"strings, comments, Rem and continued lines hide words",
         "s = \"x : Sub A\"\n' Sub B\nRem Sub C\nx = 1 + _\n  Sub_D\nt = \"\"\"\" : Sub E\nEnd Sub",
         "Sub E@5-6:11;"},
        {"not declarations", "Exit Sub\nPublic x\nPrivate Const y = 1\nSub\nProperty Gets x\nSubtotal = 1\n", ""},
        {"a missing End stops before the next declaration or at the last line",
         "Sub A\nx = 1\nSub B\n\nClass C\nFunction D\n",
         "Sub A@0-1:0;Sub B@2-3:0;Class C@4-5:0;Function C.D@5-5:0;"},
    };
    for (const Row& row : rows) EXPECT_EQ(Scanned(row.script), row.expected) << row.name;
}

TEST(ProceduresTest, ProcedureAtTheCaretLine) {
    EditorModel model;
    model.SetText("Dim g\nClass K\n  Dim v\n  Sub M\n  End Sub\n\nEnd Class\n\nSub Top\nEnd Sub\n");
    const std::vector<Procedure> found = ScanProcedures(model);
    // line -> index of K, K.M, Top, or -1 outside all
    const std::pair<int, int> rows[] = {{0, -1}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 0}, {6, 0}, {7, -1}, {8, 2},
                                        {9, 2}, {10, -1}};
    for (const auto& [line, index] : rows) EXPECT_EQ(ProcedureAt(found, line), index) << "line " << line;
}

}  // namespace
}  // namespace tarnwick
