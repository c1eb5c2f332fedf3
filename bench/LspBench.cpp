// The language server on the 10 MB benchmark script, from the framed bytes of
// a message to the serialized answer. Targets: diagnostics within 150 ms of
// didOpen; within 5 ms of a one-character didChange; a documentSymbol within 50 ms.

#include "bench/ColourScripts.h"
#include "lsp/LanguageServer.h"

#include <sys/resource.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace tarnwick {
namespace {

constexpr const char* kUri = "file:///bench.vbs";

std::string Framed(const QJsonObject& message) {
    const QByteArray body = QJsonDocument(message).toJson(QJsonDocument::Compact);
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body.toStdString();
}

// A server with the shipped table whose answers are counted, as the real one writes them.
struct Session {
    std::size_t sentBytes = 0;
    lsp::LanguageServer server{bench::ShippedTable(),
                               [this](const QByteArray& body) { sentBytes += static_cast<std::size_t>(body.size()); }};
    lsp::MessageReader reader;

    // In the pieces a pipe hands the server (it reads 64 KB at a time).
    void Deliver(const std::string& bytes) {
        constexpr std::size_t kPiece = 1 << 16;
        for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
            reader.Feed(std::string_view(bytes).substr(at, kPiece));
            while (auto message = reader.Next()) server.Receive(std::move(*message));
        }
    }
    Session() {
        Deliver(Framed({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", QJsonObject{}}}));
    }
};

std::string OpenMessage(const std::string& text) {
    return Framed({{"jsonrpc", "2.0"},
                   {"method", "textDocument/didOpen"},
                   {"params", QJsonObject{{"textDocument", QJsonObject{{"uri", kUri}, {"languageId", "vbscript"},
                                                                       {"version", 1},
                                                                       {"text", QString::fromLatin1(text)}}}}}});
}

long PageFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

void BM_LspDidOpen(benchmark::State& state) {
    const std::string open = OpenMessage(bench::ColouringScript(static_cast<int>(state.range(0))));
    long faults = 0;
    for (auto _ : state) {
        // Timed from the message's bytes to the answer: neither the initialize
        // exchange before it nor freeing the script afterwards.
        state.PauseTiming();
        auto session = std::make_unique<Session>();
        const long before = PageFaults();
        state.ResumeTiming();
        session->Deliver(open);
        state.PauseTiming();
        faults += PageFaults() - before;
        state.counters["sentKB"] = static_cast<double>(session->sentBytes) / 1024;
        session.reset();
        state.ResumeTiming();
    }
    state.counters["faults"] = benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LspDidOpen)->ArgName("MB")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The first open of a server process, whose memory is all fresh: run it alone,
// one process per figure (for example in a shell loop), as a client starts the server.
BENCHMARK(BM_LspDidOpen)->Name("BM_LspFirstOpen")->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

// The benchmark script with its lines in procedures of 50 lines each, as a library of procedures is.
const std::string& ProcedureScript(int megabytes) {
    static std::map<int, std::string> scripts;
    auto it = scripts.find(megabytes);
    if (it != scripts.end()) return it->second;
    const std::string& plain = bench::ColouringScript(megabytes);
    std::string out;
    out.reserve(plain.size() + plain.size() / 40);
    int line = 0;
    for (std::size_t at = 0; at < plain.size(); ++line) {
        const std::size_t end = plain.find('\n', at) + 1;
        if (line % 50 == 0) out += "Sub Work" + std::to_string(line / 50) + "()\r\n";
        out.append(plain, at, end - at);
        if (line % 50 == 49) out += "End Sub\r\n";
        at = end;
    }
    if (line % 50 != 0) out += "End Sub\r\n";
    return scripts.emplace(megabytes, std::move(out)).first->second;
}

// One character typed in the middle of the script, as an editor sends it, at
// one of these places: the line and character, and whether in the script whose
// lines stand in procedures.
struct TypingPlace {
    int line;
    int character;
    bool inProcedure;
};
constexpr TypingPlace kTypingPlaces[] = {
    {1000, 4, false},   // the first name of a Dim line of the script's level
    {1002, 4, false},   // a name in a statement that declares nothing
    {1003, 34, false},  // inside a string of such a statement
    {1002, 4, true},    // a name inside a procedure
    {1002, 33, true},   // inside a string inside a procedure
};

void BM_LspDidChangeOneCharacter(benchmark::State& state) {
    Session session;
    const TypingPlace place = kTypingPlaces[state.range(1)];
    const int megabytes = static_cast<int>(state.range(0));
    session.Deliver(OpenMessage(place.inProcedure ? ProcedureScript(megabytes) : bench::ColouringScript(megabytes)));
    const QJsonObject at{{"line", place.line}, {"character", place.character}};
    const QJsonObject next{{"line", place.line}, {"character", place.character + 1}};
    int version = 1;
    for (auto _ : state) {
        const QJsonObject change{{"range", QJsonObject{{"start", at}, {"end", at}}}, {"text", version % 2 ? "x" : ""}};
        // Typed, then taken back, so the script stays the same size.
        const QJsonObject removal{{"range", QJsonObject{{"start", at}, {"end", next}}}, {"text", ""}};
        session.Deliver(Framed({{"jsonrpc", "2.0"},
                                {"method", "textDocument/didChange"},
                                {"params", QJsonObject{{"textDocument", QJsonObject{{"uri", kUri}, {"version", ++version}}},
                                                       {"contentChanges", QJsonArray{version % 2 ? removal : change}}}}}));
    }
}
BENCHMARK(BM_LspDidChangeOneCharacter)
    ->ArgNames({"MB", "place"})
    ->ArgsProduct({{1, 10}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond);

void BM_LspDocumentSymbol(benchmark::State& state) {
    Session session;
    session.Deliver(OpenMessage(bench::ColouringScript(static_cast<int>(state.range(0)))));
    const std::string request = Framed({{"jsonrpc", "2.0"}, {"id", 2}, {"method", "textDocument/documentSymbol"},
                                        {"params", QJsonObject{{"textDocument", QJsonObject{{"uri", kUri}}}}}});
    for (auto _ : state) session.Deliver(request);
}
BENCHMARK(BM_LspDocumentSymbol)->ArgName("MB")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
