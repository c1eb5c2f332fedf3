#include "bench/ColourScripts.h"
#include "completion/EditorTracker.h"
#include "completion/ObjectTyping.h"
#include "completion/ParameterTip.h"
#include "completion/ScriptMembers.h"
#include "completion/ScriptOutline.h"
#include "language/Check.h"
#include "unit/MainUnit.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace tarnwick {
namespace {

// About 10 MB of script with a few hundred creations and derivations spread
// through it, ending in a line where the user has just typed "fso7.".
std::string TenMegabyteScript() {
    static const char* const kOrdinary[] = {
        "Dim total, count, name",
        "total = total + count ' running sum of the counts",
        "If total > 100 Then MsgBox \"Done: \" & CStr(total)",
        "Do While Not ts.AtEndOfStream",
        "    name = Trim(ts.ReadLine) & obj.Name & \".txt\"",
        "Loop",
        "rem an old-style comment line with = signs",
        "sh.Run \"notepad.exe \" & name, 1, True",
        "End If",
    };
    std::string out;
    out.reserve(10u << 20);
    for (int i = 0; out.size() < (10u << 20); ++i) {
        if (i % 700 == 0) {
            const std::string n = std::to_string(i / 700);
            out += "Set fso" + n + " = CreateObject(\"Scripting.FileSystemObject\")\r\n";
            out += "Set f" + n + " = fso" + n + ".GetFile(\"C:\\Temp\\a" + n + ".txt\")\r\n";
            if (i % 2100 == 0) {
                out += "Set sh" + n + " = WScript.CreateObject(\"WScript.Shell\")\r\n";
                out += "Set lnk" + n + " = sh" + n + ".CreateShortcut(\"x.lnk\")\r\n";
            }
        }
        out += kOrdinary[i % (sizeof kOrdinary / sizeof kOrdinary[0])];
        out += "\r\n";
    }
    return out;
}

SyntaxEntries BenchTable() {
    SyntaxEntries table;
    for (const char* name : {"GetFile", "CreateTextFile", "CreateFolder", "Drives", "FileExists", "OpenTextFile",
                             "DeleteFile", "CopyFile", "MoveFile", "GetFolder", "GetDrive", "BuildPath"})
        table.push_back({name, "FSO", "Function", ""});
    for (const char* name : {"MsgBox", "Trim", "CStr", "Left", "Mid", "InStr", "Replace", "Split"})
        table.push_back({name, "Function", "", std::string(name) + "(string, ...)"});
    for (const char* name : {"Dim", "If", "Then", "Do", "While", "Loop", "Set", "End"})
        table.push_back({name, "Statement", "", ""});
    return table;
}

struct BenchUnit {
    explicit BenchUnit(const std::string& lastLine, const std::string& firstLines = "") {
        unit.SyntaxTable = BenchTable();
        unit.MainText.SetText(firstLines + TenMegabyteScript() + lastLine);
        unit.MainText.SetSelStart(unit.MainText.Length());
        unit.PrevLine = unit.CurLine = unit.MainText.BreakCount() + 1;
    }
    MainUnit unit;
};

// Releasing "." after a name the pass types: every rule searches the text in front.
void BM_TypingPassAfterDot(benchmark::State& state) {
    BenchUnit b("fso7.");
    EditorTracker tracker(b.unit);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
    if (!tracker.Lst().IsOpen()) state.SkipWithError("the list did not open");
    state.counters["bytes"] = static_cast<double>(b.unit.MainText.Length());
}
BENCHMARK(BM_TypingPassAfterDot)->Unit(benchmark::kMillisecond);

// A "." typed and taken back at the end: the kept occurrences follow both
// changes, and the pass reads them instead of the text.
void BM_DotKeystroke(benchmark::State& state) {
    BenchUnit b("fso7");
    EditorTracker tracker(b.unit);
    for (auto _ : state) {
        b.unit.MainText.TypeText(".");
        tracker.MainTextKeyUp(Key::Period, {});
        b.unit.MainText.DeleteBackward();
    }
}
BENCHMARK(BM_DotKeystroke)->Unit(benchmark::kMillisecond);

// The first "." after the script was opened: the needles are found in one scan of the text.
void BM_FirstTypingPass(benchmark::State& state) {
    BenchUnit b("fso7.");
    for (auto _ : state) {
        state.PauseTiming();
        auto tracker = std::make_unique<EditorTracker>(b.unit);
        state.ResumeTiming();
        tracker->MainTextKeyUp(Key::Period, {});
        state.PauseTiming();
        tracker.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstTypingPass)->Unit(benchmark::kMillisecond);

// The same when the script was read for typing while the user was idle.
void BM_FirstTypingPassPrepared(benchmark::State& state) {
    BenchUnit b("fso7.");
    for (auto _ : state) {
        state.PauseTiming();
        auto tracker = std::make_unique<EditorTracker>(b.unit);
        tracker->PrepareTyping();
        state.ResumeTiming();
        tracker->MainTextKeyUp(Key::Period, {});
        state.PauseTiming();
        tracker.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstTypingPassPrepared)->Unit(benchmark::kMillisecond);

// The same after a name nothing types (every search runs to the text's start).
void BM_TypingPassUnknownName(benchmark::State& state) {
    BenchUnit b("zzz.");
    EditorTracker tracker(b.unit);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
}
BENCHMARK(BM_TypingPassUnknownName)->Unit(benchmark::kMillisecond);

// A derived variable: the member call's occurrences are matched against every parent.
void BM_TypingPassDerived(benchmark::State& state) {
    BenchUnit b("f7.");
    EditorTracker tracker(b.unit);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
}
BENCHMARK(BM_TypingPassDerived)->Unit(benchmark::kMillisecond);

// The selection-change handler after an ordinary letter with the list open:
// typing colour, follow prefix, status text.
void BM_SelectionChangeLetter(benchmark::State& state) {
    BenchUnit b("fso7.");
    EditorTracker tracker(b.unit);
    tracker.MainTextKeyUp(Key::Period, {});
    b.unit.MainText.TypeText("ge");
    tracker.MainTextKeyPress('e');
    for (auto _ : state) tracker.MainTextSelectionChange();
    if (!tracker.Lst().IsOpen() || tracker.Lst().ItemIndex() < 0) state.SkipWithError("the list is not following");
}
BENCHMARK(BM_SelectionChangeLetter)->Unit(benchmark::kMicrosecond);

// One whole keystroke of a letter and its removal, through the model.
void BM_LetterKeystroke(benchmark::State& state) {
    BenchUnit b("fso7.");
    EditorTracker tracker(b.unit);
    tracker.MainTextKeyUp(Key::Period, {});
    for (auto _ : state) {
        tracker.MainTextKeyDown('G', {});
        tracker.MainTextKeyPress('g');
        b.unit.MainText.TypeText("g");
        tracker.MainTextKeyUp('G', {});
        b.unit.MainText.DeleteBackward();
    }
}
BENCHMARK(BM_LetterKeystroke)->Unit(benchmark::kMicrosecond);

// With the shipped table: a Dictionary created at the script's start and a
// RegExp match at its end, the whole text between them read for bindings.
void BM_TypingPassBoundObjects(benchmark::State& state) {
    const std::string last = state.range(0) == 0 ? "d." : state.range(0) == 1 ? "x.SubMatches." : "zzz.";
    BenchUnit b("");
    b.unit.SyntaxTable = bench::ShippedTable();
    b.unit.MainText.SetText("Set d = CreateObject(\"Scripting.Dictionary\")\r\n" + TenMegabyteScript() +
                            "Set re = New RegExp\r\nFor Each x In re.Execute(s)\r\n" + last);
    b.unit.MainText.SetSelStart(b.unit.MainText.Length());
    b.unit.PrevLine = b.unit.CurLine = b.unit.MainText.BreakCount() + 1;
    EditorTracker tracker(b.unit);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
    if (state.range(0) < 2 && !tracker.Lst().IsOpen()) state.SkipWithError("the list did not open");
}
BENCHMARK(BM_TypingPassBoundObjects)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A file system object made at the top of the 10 MB script, with some
// 23 000 other creations between it and the caret, as in the list window bench.
void BM_TypingPassFarCreation(benchmark::State& state) {
    BenchUnit b("");
    b.unit.SyntaxTable = bench::ShippedTable();
    b.unit.MainText.SetText("Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\n" + bench::ColouringScript(10) +
                            "fso.");
    b.unit.MainText.SetSelStart(b.unit.MainText.Length());
    b.unit.PrevLine = b.unit.CurLine = b.unit.MainText.BreakCount() + 1;
    EditorTracker tracker(b.unit);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
    if (!tracker.Lst().IsOpen()) state.SkipWithError("the list did not open");
}
BENCHMARK(BM_TypingPassFarCreation)->Unit(benchmark::kMillisecond);

// A bound object's member tip: the object is typed from the whole text.
void BM_SelectionChangeMemberTip(benchmark::State& state) {
    BenchUnit b("");
    b.unit.SyntaxTable = bench::ShippedTable();
    b.unit.MainText.SetText("Set d = CreateObject(\"Scripting.Dictionary\")\r\n" + TenMegabyteScript() + "d.Add(");
    b.unit.MainText.SetSelStart(b.unit.MainText.Length());
    b.unit.PrevLine = b.unit.CurLine = b.unit.MainText.BreakCount() + 1;
    EditorTracker tracker(b.unit);
    tracker.MainTextKeyPress('(');
    for (auto _ : state) tracker.MainTextSelectionChange();
    if (!tracker.Tip().Visible) state.SkipWithError("no tip");
}
BENCHMARK(BM_SelectionChangeMemberTip)->Unit(benchmark::kMillisecond);

// A tip trigger: the tip is evaluated over the caret's line.
void BM_SelectionChangeTipTrigger(benchmark::State& state) {
    BenchUnit b("MsgBox Trim(");
    EditorTracker tracker(b.unit);
    tracker.MainTextKeyPress('(');
    for (auto _ : state) tracker.MainTextSelectionChange();
}
BENCHMARK(BM_SelectionChangeTipTrigger)->Unit(benchmark::kMicrosecond);

// A blank typed and taken back in a script of 200 KB: both are tip triggers,
// and the tip reads the script's own procedures from the outline it has.
void BM_TipTriggerAfterEdits(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = bench::ShippedTable();
    unit.MainText.SetText(bench::GenerateColouringScript(200 * 1024) + "MsgBox Trim(");
    unit.MainText.SetSelStart(unit.MainText.Length());
    unit.PrevLine = unit.CurLine = unit.MainText.BreakCount() + 1;
    EditorTracker tracker(unit);
    for (auto _ : state) {
        tracker.MainTextKeyPress(' ');
        unit.MainText.TypeText(" ");
        tracker.MainTextKeyPress('\b');
        unit.MainText.DeleteBackward();
    }
    if (!tracker.Tip().Visible) state.SkipWithError("no tip");
}
BENCHMARK(BM_TipTriggerAfterEdits)->Unit(benchmark::kMillisecond);

// The tip on one long line, caret at its end: many ")" to count and many
// names inside strings to pass over. Ten times the line should cost about ten
// times as much.
void BM_TipOnALongLine(benchmark::State& state) {
    std::string line = "MsgBox ";
    while (line.size() < static_cast<std::size_t>(state.range(0))) line += "Trim(a) & \"Left(b)\" & ";
    const SyntaxEntries table = BenchTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseTip(table, line, static_cast<int>(line.size())));
    state.counters["chars"] = static_cast<double>(line.size());
}
BENCHMARK(BM_TipOnALongLine)->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// A class of the script's own at the top, an object of it made there, and
// the outline the background check would hand over.
const char* const kOwnClass =
    "Class Widget\r\n  Public Name\r\n  Public Sub Draw(x, y)\r\n  End Sub\r\n"
    "  Public Property Get Size\r\n  End Property\r\nEnd Class\r\nSet w = New Widget\r\n";

void GiveOutline(EditorTracker& tracker, const EditorModel& model) {
    const std::string& text = model.Text();
    const auto tree = language::AnalyzeScript(text, language::TextForm::Ansi, language::CheckOptions{false}).tree;
    tracker.Knowledge().SetOutline(std::make_shared<const ScriptOutline>(ScriptOutline::Of(tree, text)));
}

// Releasing "." after an object of the script's own class, made 10 MB before the caret.
void BM_OwnClassMembersAfterDot(benchmark::State& state) {
    BenchUnit b("w.", kOwnClass);
    EditorTracker tracker(b.unit);
    GiveOutline(tracker, b.unit.MainText);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
    if (!tracker.Lst().IsOpen() || tracker.Lst().Rows().size() != 3) state.SkipWithError("no members listed");
}
BENCHMARK(BM_OwnClassMembersAfterDot)->Unit(benchmark::kMillisecond);

// The script's own part of that pass alone.
void BM_OwnClassMembersOnly(benchmark::State& state) {
    BenchUnit b("w.", kOwnClass);
    EditorTracker tracker(b.unit);
    GiveOutline(tracker, b.unit.MainText);
    for (auto _ : state) benchmark::DoNotOptimize(OwnClassMembers(tracker.Knowledge(), b.unit.MainText));
}
BENCHMARK(BM_OwnClassMembersOnly)->Unit(benchmark::kMicrosecond);

// Many names of the script's own: 5 000 variables and 500 procedures.
std::string ManyNames() {
    std::string out = kOwnClass;
    for (int i = 0; i < 5000; ++i) out += "Dim global" + std::to_string(i) + "\r\n";
    for (int i = 0; i < 500; ++i) out += "Sub Proc" + std::to_string(i) + "(a, b)\r\nEnd Sub\r\n";
    return out;
}

// Ctrl+Space in a procedure at the end of the script: its locals, the
// script's names, the built-ins; with the outline of the text as it is, and
// with one made before the last line was typed (the line is scanned).
void BM_NamesInScopeCtrlSpace(benchmark::State& state) {
    const bool stale = state.range(0) != 0;
    BenchUnit b(stale ? "Sub Tail(arg)\r\n" : "Sub Tail(arg)\r\n  Dim here\r\n  he", ManyNames());
    EditorTracker tracker(b.unit);
    GiveOutline(tracker, b.unit.MainText);
    if (stale) b.unit.MainText.TypeText("  Dim here\r\n  he");
    for (auto _ : state) {
        tracker.Lst().Close();
        tracker.MainTextKeyDown(Key::Space, {false, true, false});
    }
    if (!tracker.Lst().IsOpen() || tracker.Lst().Rows().front().Name != "arg" ||
        tracker.Lst().Rows()[1].Name != "here")
        state.SkipWithError("no locals first");
    state.counters["rows"] = static_cast<double>(tracker.Lst().Rows().size());
}
BENCHMARK(BM_NamesInScopeCtrlSpace)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The tip after "(" in that procedure: the script's procedures are candidates too.
void BM_OwnProcedureTip(benchmark::State& state) {
    BenchUnit b("Sub Tail(arg)\r\n  Tail(", kOwnClass);
    EditorTracker tracker(b.unit);
    GiveOutline(tracker, b.unit.MainText);
    tracker.MainTextKeyPress('(');
    for (auto _ : state) tracker.MainTextSelectionChange();
    if (tracker.Tip().Text != " Tail(arg) ") state.SkipWithError("no tip");
}
BENCHMARK(BM_OwnProcedureTip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarnwick
