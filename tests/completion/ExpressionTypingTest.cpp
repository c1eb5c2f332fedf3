#include "completion/ExpressionTyping.h"

#include "completion/EditorTracker.h"
#include "completion/ObjectTyping.h"
#include "CompletionTestSupport.h"
#include "editor/EditorModel.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Calls = std::vector<std::string>;

const SyntaxEntries& Shipped() {
    static const SyntaxEntries table = LoadSyntaxTable(TARNWICK_SOURCE_DIR "/data/syntax.ini");
    return table;
}

// The types the typing pass asks lists for, with the caret at the end.
Calls TypesAskedFor(const std::string& text) {
    EditorModel editor;
    editor.SetText(text);
    editor.SetSelStart(editor.Length());
    Calls calls;
    ObjectTyping typing(editor, [&](const std::string& type) { calls.push_back(type); }, &Shipped());
    typing.RunTypingPass();
    return calls;
}

std::string Filler(int lines) {
    std::string out;
    for (int i = 0; i < lines; ++i) out += "total = total + i ' a line between\r\n";
    return out;
}

struct Row {
    const char* name;
    std::string text;
    Calls expected;
};

void Check(const std::vector<Row>& rows) {
    for (const Row& row : rows) EXPECT_EQ(TypesAskedFor(row.text), row.expected) << row.name;
}

const std::string kRegExp = "Set re = New RegExp\r\n";
const std::string kMatches = kRegExp + "Set m = re.Execute(s)\r\n";

TEST(ExpressionTyping, DictionaryAndRegExp) {
    Check({
        {"dictionary", "Set d = CreateObject(\"Scripting.Dictionary\")\r\nd.", {"Dictionary"}},
        {"through WScript, any case", "set D = WScript.CreateObject(\"scripting.dictionary\")\r\n  d.", {"Dictionary"}},
        {"New RegExp", kRegExp + "re.", {"RegExp"}},
        {"class name of RegExp", "Set re = CreateObject(\"VBScript.RegExp\")\r\nre.", {"RegExp"}},
        {"Execute gives matches", kMatches + "m.", {"RegExp.Matches"}},
        {"For Each over matches", kMatches + "For Each x In m\r\n  x.", {"RegExp.Match"}},
        {"a match's submatches", kMatches + "For Each x In m\r\n  x.SubMatches.", {"RegExp.SubMatches"}},
        {"a call of the collection is its item", kMatches + "m(0).", {"RegExp.Match"}},
        {"a chain without variables", kRegExp + "re.Execute(\"a(b)\").", {"RegExp.Matches"}},
        {"a copy", kRegExp + "Set r2 = re\r\nr2.", {"RegExp"}},
        {"unknown class", "Set x = CreateObject(\"Some.Thing\")\r\nx.", {}},
        {"commented-out creation", "' Set d = CreateObject(\"Scripting.Dictionary\")\r\nd.", {}},
        {"creation after a colon", "Dim d : Set d = CreateObject(\"Scripting.Dictionary\")\r\nd.", {"Dictionary"}},
        {"a longer name is another variable", kRegExp + "are.", {}},
        {"a name in a string", kRegExp + "x = \"re.", {}},
        {"far creation", "Set d = CreateObject(\"Scripting.Dictionary\")\r\n" + Filler(1500) + "d.", {"Dictionary"}},
        {"far New RegExp", kRegExp + Filler(1500) + "re.", {"RegExp"}},
        {"far member result", kMatches + Filler(1500) + "m.", {"RegExp.Matches"}},
    });
}

TEST(ExpressionTyping, AdoXmlShellAndWmi) {
    const std::string cn = "Set cn = CreateObject(\"ADODB.Connection\")\r\nSet rs = cn.Execute(q)\r\n";
    const std::string wmi = "Set svc = GetObject(\"winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2\")\r\n";
    Check({
        {"recordset from a connection", cn + "rs.", {"ADODB.Recordset"}},
        {"fields of a recordset", cn + "rs.Fields.", {"ADODB.Fields"}},
        {"a field by name", cn + "rs.Fields(\"id\").", {"ADODB.Field"}},
        {"For Each over fields", cn + "For Each f In rs.Fields\r\nf.", {"ADODB.Field"}},
        {"command parameter", "Set c = CreateObject(\"ADODB.Command\")\r\nSet p = c.CreateParameter(\"a\")\r\np.",
         {"ADODB.Parameter"}},
        {"stream", "Set st = CreateObject(\"ADODB.Stream\")\r\nst.", {"ADODB.Stream"}},
        {"versioned DOM document", "Set doc = CreateObject(\"MSXML2.DOMDocument.6.0\")\r\ndoc.documentElement.",
         {"MSXML2.Node"}},
        {"nodes of a query", "Set doc = CreateObject(\"Microsoft.XMLDOM\")\r\nFor Each n In doc.selectNodes(\"//a\")\r\nn.",
         {"MSXML2.Node"}},
        {"not a version", "Set doc = CreateObject(\"MSXML2.DOMDocumentX\")\r\ndoc.", {}},
        {"response of a request", "Set h = CreateObject(\"MSXML2.ServerXMLHTTP.6.0\")\r\nh.responseXML.",
         {"MSXML2.DOMDocument"}},
        {"shell folder items",
         "Set app = CreateObject(\"Shell.Application\")\r\nSet f = app.NameSpace(\"C:\\\")\r\nFor Each i In f.Items\r\ni.",
         {"Shell.FolderItem"}},
        {"WMI services", wmi + "svc.", {"SWbemServices"}},
        {"WMI query results", wmi + "Set ps = svc.ExecQuery(\"Select * From Win32_Process\")\r\nFor Each p In ps\r\np.",
         {"SWbemObject"}},
        {"WMI object's properties", wmi + "Set o = svc.Get(\"Win32_Service.Name='x'\")\r\no.Properties_.",
         {"SWbemPropertySet"}},
        {"moniker naming one object", "Set o = GetObject(\"winmgmts:Win32_Service.Name='Spooler'\")\r\no.", {"SWbemObject"}},
        {"locator", "Set l = CreateObject(\"WbemScripting.SWbemLocator\")\r\nSet s = l.ConnectServer(\".\")\r\ns.",
         {"SWbemServices"}},
        {"far moniker", wmi + Filler(1500) + "svc.", {"SWbemServices"}},
    });
}

TEST(ExpressionTyping, ShellStreamsErrWithAndReassignment) {
    const std::string sh = "Set sh = WScript.CreateObject(\"WScript.Shell\")\r\n";
    Check({
        {"environment", sh + "Set env = sh.Environment(\"System\")\r\nenv.", {"WshShell.Environment"}},
        {"output of a command", sh + "Set ex = sh.Exec(\"cmd\")\r\nex.StdOut.", {"TextStream"}},
        {"the script's own output", "WScript.StdOut.", {"TextStream"}},
        {"Err", "If Err.", {"Err"}},
        {"With block", kRegExp + "With re\r\n  .", {"RegExp"}},
        {"With block, members after the dot", kMatches + "With m(0)\r\n  x = .SubMatches.", {"RegExp.SubMatches"}},
        {"nested With ended", kRegExp + "With re\r\nWith d\r\nEnd With\r\n.", {"RegExp"}},
        {"With ends at its procedure", kRegExp + "With re\r\nEnd With\r\nSub S\r\n.", {}},
        {"a With of the file system object", "Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\nWith fso\r\n.",
         {"FSO"}},
        {"re-assigned to another type",
         "Set x = CreateObject(\"Scripting.Dictionary\")\r\nSet x = New RegExp\r\nx.", {"RegExp"}},
        {"re-assigned back", "Set x = New RegExp\r\nSet x = CreateObject(\"Scripting.Dictionary\")\r\nx.",
         {"Dictionary"}},
        {"re-assigned to a pattern's object",
         "Set x = New RegExp\r\nSet x = CreateObject(\"Scripting.FileSystemObject\")\r\nx.", {"FSO"}},
        {"a pattern's object re-assigned",
         "Set x = CreateObject(\"Scripting.FileSystemObject\")\r\nSet x = New RegExp\r\nx.", {"FSO", "RegExp"}},
        {"patterns' quirks stay: the nearest GetFile",
         "Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\nSet f = fso.GetFile(a)\r\nSet f2 = fso.GetFile(b)\r\nf.",
         {}},
    });
}

// The tip of a bound object's member shows where the member follows its object.
TEST(ExpressionTyping, MemberTips) {
    struct TipRow {
        const char* name;
        std::string text;  // the caret at the end
        std::string tip;
    } rows[] = {
        {"RegExp's Replace over the function", kRegExp + "s = re.Replace(", " Replace(string1, string2) "},
        {"the function without an object", kRegExp + "s = Replace(", " Replace(expression, find, replacewith[, start[, count[, compare]]]) "},
        {"Open of a connection", "Set cn = CreateObject(\"ADODB.Connection\")\r\ncn.Open ",
         " Open([ConnectionString][, UserID][, Password][, Options]) "},
        {"Open of a stream", "Set st = CreateObject(\"ADODB.Stream\")\r\nst.Open ",
         " Open([Source][, Mode][, Options][, UserName][, Password]) "},
        {"a member of an unknown object", "x.Exists(", ""},
        {"a bound member before an older member of that name",
         "Set rs = CreateObject(\"ADODB.Recordset\")\r\nrs.Delete ", " Delete([AffectRecords]) "},
        {"Add of a dictionary", "Set d = CreateObject(\"Scripting.Dictionary\")\r\nd.Add ", " Add(key, item) "},
    };
    for (const TipRow& row : rows) {
        testing::TestUnit t;
        testing::FakeMeasure measure;
        t.unit.SyntaxTable = Shipped();
        EditorTracker tracker(t.unit, &measure);
        const size_t lastBreak = row.text.rfind('\n');
        t.unit.MainText.SetText(row.text.substr(0, lastBreak + 1));
        t.unit.MainText.SetSelStart(t.unit.MainText.Length());
        t.unit.PrevLine = t.unit.CurLine = t.unit.MainText.BreakCount() + 1;
        testing::TypeKeys(tracker, t.unit.MainText, row.text.substr(lastBreak + 1));
        EXPECT_EQ(tracker.Tip().Visible ? tracker.Tip().Text : "", row.tip) << row.name;
    }
}

}  // namespace
}  // namespace tarnwick
