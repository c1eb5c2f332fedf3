#include "ScriptGenerator.h"
#include "app/CaretPrimitives.h"
#include "app/EditorModel.h"

#include <benchmark/benchmark.h>

namespace tarnwick {
namespace {

const std::string& TenMegabytes() {
    static const std::string script = bench::GenerateScript(200000);
    return script;
}

void BM_PlainLoad(benchmark::State& state) {
    EditorModel m;
    for (auto _ : state) m.SetText(TenMegabytes());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(TenMegabytes().size()));
}
BENCHMARK(BM_PlainLoad)->Unit(benchmark::kMillisecond);

void BM_WholeTextRead(benchmark::State& state) {
    EditorModel m;
    m.SetText(TenMegabytes());
    for (auto _ : state) {
        std::string copy = m.Text();
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(TenMegabytes().size()));
}
BENCHMARK(BM_WholeTextRead)->Unit(benchmark::kMillisecond);

void BM_CaretPrimitives(benchmark::State& state) {
    EditorModel m;
    m.SetText(TenMegabytes());
    int pos = m.Length() - 10;
    for (auto _ : state) {
        int line = CurLineNum(m, pos);
        benchmark::DoNotOptimize(FirstColumn(m, line));
    }
}
BENCHMARK(BM_CaretPrimitives)->Unit(benchmark::kNanosecond);

void BM_SelTextInLastLine(benchmark::State& state) {
    EditorModel m;
    m.SetText(TenMegabytes());
    for (auto _ : state) {
        m.SetSelStart(FirstColumn(m, m.BreakCount()));
        m.SetSelText("x");
    }
}
BENCHMARK(BM_SelTextInLastLine)->Unit(benchmark::kMicrosecond);

void BM_RtfSave(benchmark::State& state) {
    EditorModel m;
    m.SetText(TenMegabytes());
    for (auto _ : state) {
        std::string rtf = m.SaveToRtf();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(TenMegabytes().size()));
}
BENCHMARK(BM_RtfSave)->Unit(benchmark::kMillisecond);

void BM_RtfLoad(benchmark::State& state) {
    EditorModel m;
    m.SetText(TenMegabytes());
    std::string rtf = m.SaveToRtf();
    for (auto _ : state) m.LoadFromRtf(rtf);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_RtfLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
