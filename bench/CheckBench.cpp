// The syntax check of whole scripts. Targets: the 10 MB benchmark script under
// 100 ms; 1 MB of nested blocks and a 100 000-character line each well under a
// second (the check's time grows with the text, never faster).

#include "bench/ColourScripts.h"
#include "language/Check.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tarnwick {
namespace {

using language::CheckScript;
using language::Severity;
using language::TextForm;

void Report(benchmark::State& state, const std::string& script, const std::vector<language::Diagnostic>& found) {
    int errors = 0;
    for (const auto& d : found) errors += d.severity == Severity::Error;
    state.counters["errors"] = errors;
    state.counters["findings"] = static_cast<double>(found.size());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(script.size()));
}

// A large check reads its tokens on a second thread while it parses: the time is
// the wall time, and the CPU column counts the whole process, both threads.
void BM_CheckScript(benchmark::State& state) {
    const std::string& script = bench::ColouringScript(static_cast<int>(state.range(0)));
    const language::CheckOptions options{.warnings = state.range(1) != 0};
    std::vector<language::Diagnostic> found;
    for (auto _ : state) found = CheckScript(script, TextForm::Ansi, options);
    Report(state, script, found);
}
BENCHMARK(BM_CheckScript)->ArgNames({"MB", "warnings"})->Args({1, 1})->Args({10, 0})->Args({10, 1})
    ->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// Blocks inside blocks, 1 MB of them: deeper than the check follows, then closed again.
void BM_CheckNestedBlocks(benchmark::State& state) {
    static const std::string script = [] {
        const std::string open[] = {"If a Then\r\n", "Do While b\r\n", "For i = 1 To 2\r\n", "With c\r\n"};
        const std::string close[] = {"End If\r\n", "Loop\r\n", "Next\r\n", "End With\r\n"};
        std::string text;
        int depth = 0;
        while (text.size() < (1u << 19)) text += open[depth++ % 4];
        while (depth > 0) text += close[--depth % 4];
        return text;
    }();
    std::vector<language::Diagnostic> found;
    for (auto _ : state) found = CheckScript(script, TextForm::Ansi);
    Report(state, script, found);
}
BENCHMARK(BM_CheckNestedBlocks)->Unit(benchmark::kMillisecond);

// Balanced nesting 40 deep, repeated to 1 MB: every block closed.
void BM_CheckRepeatedNesting(benchmark::State& state) {
    static const std::string script = [] {
        std::string unit;
        for (int i = 0; i < 40; ++i) unit += "If a(" + std::to_string(i) + ") Then\r\n";
        unit += "    x = x + 1\r\n";
        for (int i = 0; i < 40; ++i) unit += "End If\r\n";
        std::string text;
        while (text.size() < (1u << 20)) text += unit;
        return text;
    }();
    std::vector<language::Diagnostic> found;
    for (auto _ : state) found = CheckScript(script, TextForm::Ansi);
    Report(state, script, found);
}
BENCHMARK(BM_CheckRepeatedNesting)->Unit(benchmark::kMillisecond);

// One line of 100 000 characters: a long expression, and statements joined with ":".
void BM_CheckLongLine(benchmark::State& state) {
    static const std::string expression = [] {
        std::string line = "x = a";
        for (int i = 0; line.size() < 100000; ++i) line += " + f(b" + std::to_string(i % 10) + ", \"s\") * 2";
        return line;
    }();
    static const std::string statements = [] {
        std::string line;
        while (line.size() < 100000) line += "x = x + 1 : y = f(x, \"s\") Mod 3 : o.M x, , 2 : ";
        return line.substr(0, line.rfind(':'));
    }();
    const std::string& script = state.range(0) == 0 ? expression : statements;
    std::vector<language::Diagnostic> found;
    for (auto _ : state) found = CheckScript(script, TextForm::Ansi);
    Report(state, script, found);
}
BENCHMARK(BM_CheckLongLine)->ArgName("statements")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
