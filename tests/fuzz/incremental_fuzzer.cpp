// A script kept checked while edited against a whole reading of the same text:
// the input is a script, a zero byte, then edits of three bytes each (where,
// how many bytes go, which piece comes in). After every edit both must agree exactly.
#include "language/ScriptAnalysis.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tarnwick::language;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const std::string_view edits = input.substr(std::min(split + 1, input.size()));
    static constexpr std::string_view kPieces[] = {"", "x", "\r\n", "\n", "\"", " _\r\n", ":", "End If\r\n",
                                                   "End Sub\r\n", "Sub S\r\n", "Dim x", "Class C\r\n",
                                                   "Option Explicit\r\n", "Execute x\r\n", "On Error Resume Next\r\n",
                                                   "\xEF\xBB\xBF"};
    for (const TextForm form : {TextForm::Ansi, TextForm::Utf8}) {
        std::string text(input.substr(0, split));
        ScriptAnalysis analysis(text, form);
        for (std::size_t e = 0; e + 3 <= edits.size() && e < 3 * 64; e += 3) {
            const std::size_t at = static_cast<unsigned char>(edits[e]) * (text.size() + 1) / 256;
            const std::size_t removed = std::min<std::size_t>(static_cast<unsigned char>(edits[e + 1]) % 16, text.size() - at);
            const std::string_view inserted = kPieces[static_cast<unsigned char>(edits[e + 2]) % std::size(kPieces)];
            text.replace(at, removed, inserted);
            analysis.Replace(at, removed, inserted);
            const Analysis whole = AnalyzeScript(text, form);
            FUZZ_CHECK(analysis.Text() == text);
            FUZZ_CHECK(analysis.Result().diagnostics == whole.diagnostics);
            FUZZ_CHECK(analysis.Result().tree == whole.tree);
        }
    }
    return 0;
}
