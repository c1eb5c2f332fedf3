// A script kept checked while edited gives, after every edit, exactly what a
// whole reading of the same text gives: seeded random edits of the corpus
// scripts and of a few made-up ones, compared finding by finding and scope by scope.
#include "editor/TextEncoding.h"
#include "language/ScriptAnalysis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace tarnwick::language {
namespace {

std::string Findings(const std::vector<Diagnostic>& found) {
    std::string out;
    for (const Diagnostic& d : found)
        out += HostLine(std::to_string(d.number) + "@" + std::to_string(d.offset) + "+" + std::to_string(d.length), d) + "\n";
    return out;
}

TEST(ScriptAnalysisTest, EveryEditGivesTheWholeReadingsResult) {
    std::vector<std::pair<std::string, TextForm>> scripts = {
        {"Option Explicit\r\nDim a\r\nSub S(x)\r\n  a = x : S 1, 2\r\nEnd Sub\r\nExecute \"b = 1\"\r\nS a\r\n", TextForm::Ansi},
        {"\xEF\xBB\xBF" "Class C\r\n  Public Default Property Get P(i)\r\n  End Property\r\nEnd Class\r\nOn Error Resume Next\r\n"
         "Set o = New C\r\nFunction F()\r\n  F = 1\r\nEnd Function\r\nx = F(\r\n",
         TextForm::Utf8},
        {"Option Explicit\r\nDim a, b\r\nSub S(x)\r\n  Dim c\r\n  a = x : S 1, 2\r\nEnd Sub\r\nFunction F(y, z)\r\n  F = y\r\n"
         "End Function\r\nS a\r\nF a\r\nS a, b\r\nF a, b\r\nOn Error Resume Next\r\nS F(b)\r\no = CreateObject(1)\r\n",
         TextForm::Ansi}};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(TARNWICK_SOURCE_DIR) / "tests/language/corpus")) {
        if (entry.path().extension() != ".vbs") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        DecodedFile file = DecodeFileBytes(std::string(std::istreambuf_iterator<char>(in), {}));
        scripts.emplace_back(std::move(file.text), file.encoding == TextEncoding::Ansi ? TextForm::Ansi : TextForm::Utf8);
    }
    const std::string_view pieces[] = {"x", "\r\n", "\n", "\"", " _\r\n", ":", "(", "'", "End If\r\n", "End Sub\r\n",
                                       "Sub ", "Dim x", "Class C\r\n", "Option Explicit\r\n", "Execute x\r\n",
                                       "On Error Resume Next\r\n", "Set o = CreateObject(1)\r\n", "\xEF\xBB\xBF"};
    std::mt19937 random(20261209);
    for (auto& [text, form] : scripts) {
        ScriptAnalysis analysis(text, form);
        ScriptAnalysis lagging(text, form);  // read only now and then, so that moves wait across edits
        for (int step = 0; step < 40 && !text.empty(); ++step) {
            std::size_t at = random() % (text.size() + 1);
            std::size_t removed = 0;
            std::string_view inserted;
            switch (random() % 8) {
                case 5: case 6: case 7:  // a name typed over a word: a use or a declaration now means another name
                    for (removed = 0; at > 0 && std::isalnum(static_cast<unsigned char>(text[at - 1]));) --at;
                    while (at + removed < text.size() && std::isalnum(static_cast<unsigned char>(text[at + removed]))) ++removed;
                    inserted = std::string_view("abcSFx").substr(random() % 6, 1);
                    break;
                case 4: inserted = " "; break;  // between words it changes no name: the findings only move
                case 0: inserted = pieces[random() % std::size(pieces)]; break;
                case 1: removed = random() % 8; break;
                case 2:  // a whole line, or the break that joins it to the next
                    at = text.rfind('\n', at == 0 ? 0 : at - 1);
                    at = at == std::string::npos ? 0 : at + 1;
                    removed = text.find('\n', at) == std::string::npos ? text.size() - at : text.find('\n', at) + 1 - at;
                    if (random() % 2) at += removed - std::min<std::size_t>(removed, 2), removed = std::min<std::size_t>(removed, 2);
                    break;
                default: inserted = pieces[random() % 4]; removed = 1; break;
            }
            removed = std::min(removed, text.size() - std::min(at, text.size()));
            text.replace(at, removed, inserted);
            analysis.Replace(at, removed, inserted);
            lagging.Replace(at, removed, inserted);
            const Analysis whole = AnalyzeScript(text, form);
            ASSERT_EQ(analysis.Text(), text);
            ASSERT_EQ(Findings(analysis.Result().diagnostics), Findings(whole.diagnostics)) << "step " << step << ":\n" << text;
            ASSERT_TRUE(analysis.Result().diagnostics == whole.diagnostics);
            ASSERT_TRUE(analysis.Result().tree == whole.tree) << "step " << step << " at " << at << ":\n" << text;
            const auto first = lagging.FirstDiagnostics(step % 3);
            ASSERT_EQ(first.size(), std::min<std::size_t>(step % 3, whole.diagnostics.size()));
            ASSERT_TRUE(std::equal(first.begin(), first.end(), whole.diagnostics.begin()));
            if (step % 5 == 4) {
                ASSERT_TRUE(lagging.Result().diagnostics == whole.diagnostics && lagging.Result().tree == whole.tree);
            }
        }
    }
}

}  // namespace
}  // namespace tarnwick::language
