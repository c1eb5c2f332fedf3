// Opening and colouring large scripts, and colouring the last line of one.
// Targets: open and colour 10 MB under 250 ms; ColorText of a line of the
// 10 MB script under 16 ms (the last line's Dim step scans the whole document).

#include "app/MainUnit.h"
#include "syntax/ColorText.h"
#include "syntax/DocumentColouring.h"
#include "syntax/SyntaxTable.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace tarnwick {
namespace {

const SyntaxEntries& ShippedTable() {
    static const SyntaxEntries table = LoadSyntaxTable(
        (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "syntax.ini").string());
    return table;
}

// Realistic code of about 50 bytes a line: assignments, calls, comments,
// strings, loops and Dim lines whose names vary through the script.
std::string GenerateColouringScript(std::size_t bytes) {
    std::string out;
    out.reserve(bytes + 128);
    for (int block = 0; out.size() < bytes; ++block) {
        const std::string n = std::to_string(block % 997);
        out += "Dim total" + n + ", count" + n + ", names(10)\r\n";
        out += "set fso" + n + " = createobject(\"Scripting.FileSystemObject\")\r\n";
        out += "total" + n + "=total" + n + " + count" + n + " ' running sum of the counts\r\n";
        out += "if total" + n + " > 100 then msgbox \"Done: \" & cstr(total" + n + ")\r\n";
        out += "    name = trim(f.readline) : s = \"a=b, it's \" & len(name)\r\n";
        out += "rem an old-style comment line with = signs\r\n";
        out += "do while not f.atendofstream and count" + n + "<=10\r\n";
        out += "    count" + n + " = count" + n + " + 1\r\n";
        out += "loop\r\n";
        out += "wscript.echo \"caf\xE9 \" & ucase(name), mid(name, 2, 3)\r\n";
    }
    out += "TOTAL1=total1+COUNT1 ' the last line\r\n";
    return out;
}

const std::string& Script(int megabytes) {
    static const std::string one = GenerateColouringScript(1u << 20);
    static const std::string ten = GenerateColouringScript(10u << 20);
    return megabytes == 1 ? one : ten;
}

void BM_OpenAndColour(benchmark::State& state) {
    const std::string& script = Script(static_cast<int>(state.range(0)));
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    for (auto _ : state) {
        unit.MainText.SetText(script);
        ColourWholeDocument(unit);
    }
    state.counters["lines"] = static_cast<double>(unit.MainText.LineCount());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(script.size()));
}
BENCHMARK(BM_OpenAndColour)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The colouring alone, without loading the text.
void BM_ColourWholeDocument(benchmark::State& state) {
    const std::string& script = Script(10);
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
BENCHMARK(BM_ColourWholeDocument)->Unit(benchmark::kMillisecond);

void BM_ColorTextOfTheLastLine(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    unit.MainText.SetText(Script(10));
    ColourWholeDocument(unit);
    const int last = unit.MainText.LineCount();
    unit.CurLine = last;
    for (auto _ : state) {
        unit.MainText.SetSelStart(unit.MainText.LineIndex(last - 1));
        ColorText(unit, last);
    }
}
BENCHMARK(BM_ColorTextOfTheLastLine)->Unit(benchmark::kMillisecond);

// The first line, freshly typed in capitals: its Dim step is short, but every
// respelled word moves the rest of the document in the text model.
void BM_ColorTextOfTheFirstLine(benchmark::State& state) {
    MainUnit unit;
    unit.SyntaxTable = ShippedTable();
    unit.MainText.SetText("IF X=1 THEN MSGBOX LEN(S)\r\n" + Script(10));
    ColourWholeDocument(unit);
    unit.CurLine = 1;
    for (auto _ : state) {
        state.PauseTiming();
        unit.MainText.SetSelStart(0);
        unit.MainText.SetSelLength(unit.MainText.LineLength(0));
        unit.MainText.SetSelText("IF X=1 THEN MSGBOX LEN(S)");
        state.ResumeTiming();
        ColorText(unit, 1);
    }
}
BENCHMARK(BM_ColorTextOfTheFirstLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
