// Opening and colouring large scripts, colouring their first and last lines,
// the typing pass after "." at their end, and Replace All with its Undo on a
// long line. Targets at 10 MB: open and colour under 90 ms with the window
// shown (this is the core part of it; bench/WindowBench.cpp has the rest);
// ColorText of the first or the last line under 1 ms; the typing pass under
// 3.5 ms; Replace All and its Undo on a 200 000-character line under 50 ms each.

#include "bench/ColourScripts.h"
#include "commands/FindReplace.h"
#include "completion/EditorTracker.h"
#include "syntax/ColorText.h"
#include "syntax/DocumentColouring.h"
#include "unit/MainUnit.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tarnwick {
namespace {

using bench::ColouringScript;
using bench::ShippedTable;

// Megabytes of script: 1, 10 and 100.
void Sizes(benchmark::internal::Benchmark* b) { b->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond); }

void BM_OpenAndColour(benchmark::State& state) {
    const std::string& script = ColouringScript(static_cast<int>(state.range(0)));
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    for (auto _ : state) {
        unit.MainText.SetText(script);
        ColourWholeDocument(unit);
    }
    state.counters["lines"] = static_cast<double>(unit.MainText.LineCount());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(script.size()));
}
BENCHMARK(BM_OpenAndColour)->Apply(Sizes)->Iterations(3);

// The colouring alone, without reading the text into the model.
void BM_ColourWholeDocument(benchmark::State& state) {
    const std::string& script = ColouringScript(static_cast<int>(state.range(0)));
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    for (auto _ : state) {
        state.PauseTiming();
        unit.MainText.SetText(script);
        state.ResumeTiming();
        ColourWholeDocument(unit);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(script.size()));
}
BENCHMARK(BM_ColourWholeDocument)->Apply(Sizes)->Iterations(3);

// The last line's Dim step reaches over the whole document.
void BM_ColorTextOfTheLastLine(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    unit.MainText.SetText(ColouringScript(static_cast<int>(state.range(0))));
    ColourWholeDocument(unit);
    const int last = unit.MainText.LineCount();
    unit.CurLine = last;
    ColorText(unit, last);  // the first call after opening also lists the document's Dims
    for (auto _ : state) {
        unit.MainText.SetSelStart(unit.MainText.LineIndex(last - 1));
        ColorText(unit, last);
    }
}
BENCHMARK(BM_ColorTextOfTheLastLine)->Apply(Sizes);

// The first line, freshly typed in capitals: its tidying changes its length.
void BM_ColorTextOfTheFirstLine(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    unit.MainText.SetText("IF X=1 THEN MSGBOX LEN(S)\r\n" + ColouringScript(static_cast<int>(state.range(0))));
    ColourWholeDocument(unit);
    unit.CurLine = 1;
    ColorText(unit, 1);
    for (auto _ : state) {
        state.PauseTiming();
        unit.MainText.SetSelStart(0);
        unit.MainText.SetSelLength(unit.MainText.LineLength(0));
        unit.MainText.SetSelText("IF X=1 THEN MSGBOX LEN(S)");
        state.ResumeTiming();
        ColorText(unit, 1);
    }
}
BENCHMARK(BM_ColorTextOfTheFirstLine)->Apply(Sizes);

// Releasing "." typed at the end of the script after a variable the pass types.
void BM_TypingPassAfterDot(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    unit.MainText.SetText(ColouringScript(static_cast<int>(state.range(0))) + "fso7.");
    ColourWholeDocument(unit);
    unit.MainText.SetSelStart(unit.MainText.Length());
    unit.PrevLine = unit.CurLine = unit.MainText.BreakCount() + 1;
    EditorTracker tracker(unit);
    for (auto _ : state) tracker.MainTextKeyUp(Key::Period, {});
    if (!tracker.Lst().IsOpen()) state.SkipWithError("the list did not open");
}
BENCHMARK(BM_TypingPassAfterDot)->Apply(Sizes);

// Line lengths of 20 000 and 200 000 characters.
void LineLengths(benchmark::internal::Benchmark* b) { b->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond); }

// Colouring a line of code, as the caret leaves it and as the document is opened.
void BM_ColorTextOfALongLine(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    const std::string line = bench::LongCodeLine(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        unit.MainText.SetText(line);
        unit.CurLine = 1;
        state.ResumeTiming();
        ColorText(unit, 1);
    }
    state.counters["length after"] = static_cast<double>(unit.MainText.Length());
}
BENCHMARK(BM_ColorTextOfALongLine)->Apply(LineLengths);

// With a keyword of two words in the table, each line takes one search per keyword and per match.
void ColourWholeDocumentOfALongLine(benchmark::State& state, bool twoWordKeyword) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    if (twoWordKeyword) unit.SyntaxTable.push_back({"End If", "Statement", "", ""});
    const std::string line = bench::LongCodeLine(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        unit.MainText.SetText(line);
        state.ResumeTiming();
        ColourWholeDocument(unit);
    }
    state.counters["length after"] = static_cast<double>(unit.MainText.Length());
}
void BM_ColourWholeDocumentOfALongLine(benchmark::State& state) { ColourWholeDocumentOfALongLine(state, false); }
void BM_ColourWholeDocumentOfALongLineStepByStep(benchmark::State& state) {
    ColourWholeDocumentOfALongLine(state, true);
}
BENCHMARK(BM_ColourWholeDocumentOfALongLine)->Apply(LineLengths);
BENCHMARK(BM_ColourWholeDocumentOfALongLineStepByStep)->Apply(LineLengths);

// Replace All of "a" by "AB" in one line of 200 000 characters (tens of thousands of hits), then its Undo.
void ReplaceAllOnALongLine(benchmark::State& state, bool undo) {
    MainUnit unit;
    FindReplaceDialogs dialogs;
    dialogs.replace = {"a", "AB", false, false};
    const std::string line = bench::LongLine();
    for (auto _ : state) {
        state.PauseTiming();
        unit.MainText.SetText(line);
        if (undo) DialogReplaceReplace(unit, dialogs, ReplaceButton::ReplaceAll);
        state.ResumeTiming();
        if (undo)
            unit.MainText.Undo();
        else
            DialogReplaceReplace(unit, dialogs, ReplaceButton::ReplaceAll);
    }
    state.counters["length after"] = static_cast<double>(unit.MainText.Length());
}
void BM_ReplaceAllOnALongLine(benchmark::State& state) { ReplaceAllOnALongLine(state, false); }
void BM_UndoReplaceAllOnALongLine(benchmark::State& state) { ReplaceAllOnALongLine(state, true); }
BENCHMARK(BM_ReplaceAllOnALongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoReplaceAllOnALongLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
