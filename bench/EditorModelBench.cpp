// The editor model on large scripts: one typed character at the top and at the
// end of a 1 MB, 10 MB and 100 MB script (median and p99 over many keystrokes),
// the memory the model holds once a document is open, and the model's share
// of the peak while loading; and opening a file as the window does (read,
// load, colour, remember the saved text): the peak and what stays held.
// Targets: p99 of a keystroke <= 0.05 ms; held <= 2.2 bytes per byte of
// text; the model's share of the loading peak <= 3; the peak while opening a
// file <= 3.
//
// Memory is read from the process's own accounting: every operator new and
// delete of this program is counted below (live bytes and their peak), and
// mallinfo2() gives the C library's view of what is in use as a cross-check.

#include "bench/ColourScripts.h"
#include "documents/DocumentFiles.h"
#include "editor/CaretPrimitives.h"
#include "editor/EditorModel.h"
#include "ScriptGenerator.h"
#include "syntax/DocumentColouring.h"
#include "unit/MainUnit.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <vector>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void CountAllocation(void* p) {
    const std::size_t live = liveBytes.fetch_add(malloc_usable_size(p), std::memory_order_relaxed) +
                             malloc_usable_size(p);
    std::size_t peak = peakBytes.load(std::memory_order_relaxed);
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {}
}

}  // namespace

// GCC takes the free() below for a mismatch with the operator new it replaces.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    CountAllocation(p);
    return p;
}

void operator delete(void* p) noexcept {
    if (p == nullptr) return;
    liveBytes.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace tarnwick {
namespace {

// Bytes in use by the C library's allocator, mapped blocks included.
double MallocInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// A script of about `megabytes` MB with CR LF breaks.
const std::string& ScriptOf(int megabytes) {
    static std::string scripts[101];
    std::string& script = scripts[megabytes];
    if (script.empty()) {
        const std::string sample = bench::GenerateScript(1200);
        const double bytesPerLine = static_cast<double>(sample.size()) / 1200.0;
        script = bench::GenerateScript(static_cast<int>(megabytes * 1048576.0 / bytesPerLine));
    }
    return script;
}

// Colours as the whole-document colouring stores them: a role's colour on
// capitalised words, comments to the end of their line, black elsewhere.
std::vector<Colour> ColoursFor(const std::string& text) {
    const Colour functions = WithRole(RgbColour(0, 0, 128), ColourRole::Functions);
    const Colour comments = WithRole(RgbColour(0, 128, 0), ColourRole::Comments);
    std::vector<Colour> colours(text.size(), kBlack);
    bool comment = false;
    bool word = false;
    Colour wordColour = kBlack;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') comment = false;
        if (c == '\'') comment = true;
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter && !word) wordColour = c >= 'A' && c <= 'Z' ? functions : kBlack;
        word = letter;
        colours[i] = comment ? comments : letter ? wordColour : kBlack;
    }
    return colours;
}

struct Spread {
    double median = 0;
    double p99 = 0;
};

Spread SpreadOf(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[std::min(micros.size() - 1, micros.size() * 99 / 100)]};
}

// This thread's processor time in microseconds: other processes on a busy
// machine stretch the wall-clock time of a keystroke, not this.
double ThreadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Types characters one by one at the top or at the end of the script: the
// median, p99 and largest wall-clock time of a key (the largest is usually
// the first, which opens the gaps), and the processor time per key over the
// whole run, which other processes on a busy machine do not stretch.
void TypeKeys(benchmark::State& state, bool atTop) {
    const int megabytes = static_cast<int>(state.range(0));
    const int keys = megabytes >= 100 ? 500 : 5000;
    const std::string& script = ScriptOf(megabytes);
    for (auto _ : state) {
        EditorModel m;
        m.LoadColoured(script, ColoursFor(script));
        m.SetSelStart(atTop ? 0 : m.Length());
        std::vector<double> micros;
        micros.reserve(keys);
        const double cpuStart = ThreadMicros();
        for (int i = 0; i < keys; ++i) {
            const char key = static_cast<char>('a' + i % 26);
            const auto start = std::chrono::steady_clock::now();
            m.TypeText(std::string_view(&key, 1));
            micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
        state.counters["cpu_mean_us"] = (ThreadMicros() - cpuStart) / keys;
        const double first = micros.front();
        const double largest = *std::max_element(micros.begin(), micros.end());
        const Spread spread = SpreadOf(std::move(micros));
        state.counters["median_us"] = spread.median;
        state.counters["p99_us"] = spread.p99;
        state.counters["first_us"] = first;
        state.counters["max_us"] = largest;
        state.counters["keys"] = keys;
    }
}

void BM_KeystrokeAtTop(benchmark::State& state) { TypeKeys(state, true); }
void BM_KeystrokeAtEnd(benchmark::State& state) { TypeKeys(state, false); }
BENCHMARK(BM_KeystrokeAtTop)->Arg(1)->Arg(10)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeAtEnd)->Arg(1)->Arg(10)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// Memory per byte of text: held once open (counted and as the C library sees
// it) and the model's share of the peak while loading, above what the caller
// had built to hand over. range(1): 0 plain text (SetText), 1 text with one
// stored colour per character (LoadColoured), 2 text with one byte per
// character indexing a palette (LoadColoured with a palette).
void BM_LoadMemory(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    const int form = static_cast<int>(state.range(1));
    const std::string& script = ScriptOf(megabytes);
    const double size = static_cast<double>(script.size());
    for (auto _ : state) {
        const double countedBefore = static_cast<double>(liveBytes.load());
        const double mallocBefore = MallocInUse();
        auto m = std::make_unique<EditorModel>();
        std::string text = form != 0 ? script : std::string();
        std::vector<Colour> colours = form != 0 ? ColoursFor(script) : std::vector<Colour>();
        std::vector<Colour> palette;
        std::string indices;
        if (form == 2) {
            indices.resize(colours.size());
            for (std::size_t i = 0; i < colours.size(); ++i) {
                auto at = std::find(palette.begin(), palette.end(), colours[i]);
                if (at == palette.end()) at = palette.insert(at, colours[i]);
                indices[i] = static_cast<char>(at - palette.begin());
            }
            std::vector<Colour>().swap(colours);
        }
        const double handedOver = static_cast<double>(liveBytes.load());
        peakBytes.store(liveBytes.load());
        if (form == 0)
            m->SetText(script);
        else if (form == 1)
            m->LoadColoured(std::move(text), std::move(colours));
        else
            m->LoadColoured(std::move(text), std::move(indices), palette);
        const double peak = static_cast<double>(peakBytes.load());
        state.counters["held_B_per_byte"] = (static_cast<double>(liveBytes.load()) - countedBefore) / size;
        state.counters["held_malloc_B_per_byte"] = (MallocInUse() - mallocBefore) / size;
        state.counters["peak_share_B_per_byte"] = (peak - handedOver) / size;
        state.counters["peak_with_input_B_per_byte"] = (peak - countedBefore) / size;
        // After a run of typing at the top, the buffers hold their gaps as well.
        m->SetSelStart(0);
        for (int i = 0; i < 1000; ++i) m->TypeText("x");
        state.counters["held_after_typing_B_per_byte"] = (static_cast<double>(liveBytes.load()) - countedBefore) / size;
        m.reset();
    }
}
BENCHMARK(BM_LoadMemory)
    ->ArgsProduct({{1, 10, 100}, {0, 1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Opening a file of the colouring script as the window does, colouring
// included: the peak of the memory in use above what was in use before (the
// script itself excluded), what is held afterwards (the model and the saved
// text), and the processor time.
void BM_OpenFile(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    const std::string& script = bench::ColouringScript(megabytes);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("tarnwick-open-bench-" + std::to_string(megabytes) + ".vbs")).string();
    std::ofstream(path, std::ios::binary) << script;
    const double size = static_cast<double>(script.size());
    for (auto _ : state) {
        MainUnit unit;
        unit.SyntaxTable = bench::ShippedTable();
        DocumentFiles files(unit, [](const std::string&) {}, [](MainUnit& u) { ColourWholeDocument(u); });
        const double before = static_cast<double>(liveBytes.load());
        peakBytes.store(liveBytes.load());
        const double cpuStart = ThreadMicros();
        files.OpenOperation("open-bench.vbs", path);
        state.counters["cpu_ms"] = (ThreadMicros() - cpuStart) / 1e3;
        state.counters["peak_B_per_byte"] = (static_cast<double>(peakBytes.load()) - before) / size;
        state.counters["held_B_per_byte"] = (static_cast<double>(liveBytes.load()) - before) / size;
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenFile)->Arg(1)->Arg(10)->Arg(100)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

const std::string& TenMegabytes() { return ScriptOf(10); }

void BM_PlainLoad(benchmark::State& state) {
    EditorModel m;
    for (auto _ : state) m.SetText(TenMegabytes());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(TenMegabytes().size()));
}
BENCHMARK(BM_PlainLoad)->Unit(benchmark::kMillisecond);

void BM_ColouredLoad(benchmark::State& state) {
    EditorModel m;
    const std::vector<Colour> colours = ColoursFor(TenMegabytes());
    for (auto _ : state) {
        state.PauseTiming();
        std::string text = TenMegabytes();
        std::vector<Colour> copy = colours;
        state.ResumeTiming();
        m.LoadColoured(std::move(text), std::move(copy));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(TenMegabytes().size()));
}
BENCHMARK(BM_ColouredLoad)->Unit(benchmark::kMillisecond);

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
