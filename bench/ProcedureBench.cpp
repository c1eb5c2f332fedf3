// The procedure list's scan of a 10 MB script, which runs once typing pauses,
// and the lookup that follows the caret on every move.
// Targets: the scan under 100 ms; the lookup under a microsecond.

#include "editor/EditorModel.h"
#include "ScriptGenerator.h"
#include "syntax/Procedures.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tarnwick {
namespace {

// Classes with properties and procedures between runs of ordinary code.
std::string ScriptWithProcedures(std::size_t bytes) {
    const std::string body = bench::GenerateScript(40);
    std::string out;
    for (int i = 0; out.size() < bytes; ++i) {
        const std::string n = std::to_string(i);
        out += "Class Account" + n + "\r\n    Private mBalance\r\n";
        out += "    Public Property Get Balance : Balance = mBalance : End Property\r\n";
        out += "    Public Sub Deposit(amount)\r\n" + body + "    End Sub\r\nEnd Class\r\n";
        out += "Function Twice" + n + "(x) ' Sub Hidden\r\n" + body + "End Function\r\n";
    }
    return out;
}

const EditorModel& TenMegabytes() {
    static EditorModel model;
    if (model.Length() == 0) model.SetText(ScriptWithProcedures(10u << 20));
    return model;
}

void BM_ScanProcedures(benchmark::State& state) {
    const EditorModel& model = TenMegabytes();
    std::size_t found = 0;
    for (auto _ : state) found = ScanProcedures(model).size();
    state.counters["procedures"] = static_cast<double>(found);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(model.Length()));
}
BENCHMARK(BM_ScanProcedures)->Unit(benchmark::kMillisecond);

void BM_ProcedureAtTheCaret(benchmark::State& state) {
    const EditorModel& model = TenMegabytes();
    const std::vector<Procedure> procedures = ScanProcedures(model);
    const int lines = model.LineCount();
    int line = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProcedureAt(procedures, line));
        line = (line + 7919) % lines;
    }
}
BENCHMARK(BM_ProcedureAtTheCaret);

}  // namespace
}  // namespace tarnwick
