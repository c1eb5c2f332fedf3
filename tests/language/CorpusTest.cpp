// The checker on real scripts: every valid script of the corpus checks clean,
// and a seeded fault of a kind authors make gives the host's first error.
#include "editor/TextEncoding.h"
#include "language/Check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tarnwick::language {
namespace {

namespace fs = std::filesystem;
const fs::path kCorpus = fs::path(TARNWICK_SOURCE_DIR) / "tests/language/corpus";

struct Script {
    std::string name;  // relative to the corpus, with forward slashes
    std::string text;
    TextForm form = TextForm::Ansi;
};

std::vector<Script> ReadCorpus() {
    std::vector<Script> scripts;
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (!entry.is_regular_file() || ext != ".vbs") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        DecodedFile file = DecodeFileBytes(std::string(std::istreambuf_iterator<char>(in), {}));
        scripts.push_back({fs::relative(entry.path(), kCorpus).generic_string(), std::move(file.text),
                           file.encoding == TextEncoding::Ansi ? TextForm::Ansi : TextForm::Utf8});
    }
    std::sort(scripts.begin(), scripts.end(), [](const Script& a, const Script& b) { return a.name < b.name; });
    return scripts;
}

// NOT-VALID.tsv: file, the host's first error as "LINE COL NUMBER", reason.
std::map<std::string, std::string> NotValid() {
    std::map<std::string, std::string> expected;
    std::ifstream in(kCorpus / "NOT-VALID.tsv");
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string file, error;
        if (std::getline(fields, file, '\t') && std::getline(fields, error, '\t')) expected[file] = error;
    }
    return expected;
}

std::string FirstError(const std::string& text, TextForm form) {
    for (const Diagnostic& d : CheckScript(text, form, {.warnings = false}))
        if (d.severity == Severity::Error)
            return std::to_string(d.line) + " " + std::to_string(d.column) + " " + std::to_string(d.number);
    return "ok";
}

// The checker of an unfinished front end finds nothing; these tests wait for it,
// unless asked for the faulted scripts to compare with the reference engine.
bool CheckerFindsErrors() {
    return FirstError("If x Then\r\n", TextForm::Ansi) != "ok" || std::getenv("TARNWICK_CHECK_DUMP");
}

// Writes what the checker found where tools/wine-reference.py compares it with Wine.
void Dump(const std::string& name, const std::string& text, const std::string& found) {
    const char* dir = std::getenv("TARNWICK_CHECK_DUMP");
    if (!dir) return;
    if (name.rfind("faults/", 0) == 0) {
        fs::create_directories(fs::path(dir) / "faults");
        std::ofstream(fs::path(dir) / name, std::ios::binary) << text;
    }
    std::ofstream(fs::path(dir) / "ours.tsv", std::ios::app) << name << '\t' << found << '\n';
}

TEST(Corpus, ValidScriptsCheckCleanAndTheOthersGiveTheirListedError) {
    if (!CheckerFindsErrors()) GTEST_SKIP() << "the checker finds nothing yet";
    const auto notValid = NotValid();
    std::vector<Script> scripts = ReadCorpus();
    ASSERT_GE(scripts.size(), 300u);
    std::string failures;
    for (const Script& s : scripts) {
        const std::string found = FirstError(s.text, s.form);
        Dump(s.name, s.text, found);
        auto listed = notValid.find(s.name);
        const std::string expected = listed == notValid.end() ? "ok" : listed->second;
        if (found != expected) failures += s.name + ": expected " + expected + ", checker " + found + "\n";
    }
    EXPECT_EQ(failures, "");
}

// ---- Seeded faults ---------------------------------------------------------------

// One physical line of a script and what a light scan of it tells: its code with
// strings blanked and the comment cut, the statements it holds, and how deep in
// blocks it stands. It is no parser; fault sites are chosen where it cannot err.
struct Line {
    std::size_t start = 0, end = 0;  // byte offsets; end is before the line break
    std::string code;
    std::vector<std::string> statements;  // lower-case, trimmed
    bool joined = false;                  // continues the line before or goes on in the next
    std::vector<std::string> blocks;      // the blocks open before the line
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}
std::string Trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}
std::vector<std::string> Words(const std::string& statement) {
    std::vector<std::string> words;
    std::string word;
    for (char c : statement + " ") {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') word += c;
        else if (!word.empty()) words.push_back(std::exchange(word, ""));
    }
    return words;
}

// The block a statement opens ("if", "for" ...), "/if" for one it closes, or "".
std::string BlockOf(const std::string& statement) {
    std::vector<std::string> w = Words(statement);
    std::size_t i = 0;
    while (i < w.size() && (w[i] == "public" || w[i] == "private" || w[i] == "default")) ++i;
    if (i == w.size()) return "";
    const std::string& first = w[i];
    if (first == "if") return w.back() == "then" && statement.size() >= 4 && statement.ends_with("then") ? "if" : "";
    for (const char* open : {"for", "do", "while", "select", "with", "sub", "function", "property", "class"})
        if (first == open) return first;
    if (first == "next") return "/for";
    if (first == "loop") return "/do";
    if (first == "wend") return "/while";
    if (first == "end" && i + 1 < w.size()) return "/" + w[i + 1];
    return "";
}

// Splits a logical line (continuations joined) into statements and follows the
// blocks they open and close.
void Statements(const std::string& code, Line& line, std::vector<std::string>& blocks) {
    std::stringstream parts(code);
    for (std::string part; std::getline(parts, part, ':');) {
        std::string statement = Lower(Trim(part));
        if (statement == "rem" || statement.rfind("rem ", 0) == 0 || statement.rfind("rem\t", 0) == 0) break;
        if (statement.empty()) continue;
        line.statements.push_back(statement);
        std::string block = BlockOf(statement);
        if (block.empty()) continue;
        if (block[0] != '/') blocks.push_back(block);
        else if (!blocks.empty()) blocks.pop_back();
    }
}

std::vector<Line> Scan(const std::string& text) {
    std::vector<Line> lines;
    std::vector<std::string> blocks;
    std::string logical;  // the code of the lines continued so far
    for (std::size_t at = 0;;) {
        Line line;
        line.start = at;
        line.end = std::min(text.find_first_of("\r\n", at), text.size());
        bool inString = false;
        for (std::size_t i = line.start; i < line.end; ++i) {
            const char c = text[i];
            if (inString) {
                if (c == '"' && i + 1 < line.end && text[i + 1] == '"') line.code += "xx", ++i;
                else line.code += c == '"' ? (inString = false, '"') : 'x';
            } else if (c == '\'') {
                break;
            } else {
                inString = c == '"';
                line.code += c;
            }
        }
        const std::string trimmed = Trim(line.code);
        const bool continued = trimmed == "_" || trimmed.ends_with(" _") || trimmed.ends_with("\t_");
        line.joined = continued || !logical.empty();
        line.blocks = blocks;
        logical += continued ? trimmed.substr(0, trimmed.size() - 1) + " " : line.code;
        if (!continued) Statements(std::exchange(logical, ""), line, blocks);
        const bool last = line.end == text.size();
        at = line.end;
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
        lines.push_back(std::move(line));
        if (last) return lines;
    }
}

// Characters from `from` to `to` as the host counts them: bytes of an ANSI
// text, UTF-16 units of a Unicode one.
int Columns(const std::string& text, std::size_t from, std::size_t to, TextForm form) {
    if (form == TextForm::Ansi) return static_cast<int>(to - from);
    int units = 0;
    for (std::size_t i = from; i < to; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

struct Fault {
    std::string text;
    int line = 0, column = 0, number = 0;  // column 0: no source tells the host's column
};

struct Site {
    const Script& script;
    const std::vector<Line>& lines;
    std::size_t index;  // the line the fault goes in
    // The fault's error at a byte offset of the faulted text.
    Fault At(std::string faulted, std::size_t offset, int number) const {
        Fault f{std::move(faulted), 1, 1, number};
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < offset; ++i) {
            const char c = f.text[i];
            if (c == '\n' || (c == '\r' && (i + 1 >= f.text.size() || f.text[i + 1] != '\n'))) ++f.line, lineStart = i + 1;
        }
        f.column = Columns(f.text, lineStart, offset, script.form) + 1;
        return f;
    }
    const Line& line() const { return lines[index]; }
    // Nothing after the line that may not stand inside a block or procedure.
    bool OnlyStatementsFollow() const {
        for (std::size_t i = index + 1; i < lines.size(); ++i)
            for (const std::string& s : lines[i].statements) {
                const std::string first = Words(s).empty() ? "" : Words(s)[0];
                for (const char* decl : {"sub", "function", "property", "class", "public", "private", "option"})
                    if (first == decl) return false;
            }
        return true;
    }
};

// A fault kind: where it may go, and what it makes of the script there.
struct FaultKind {
    const char* name;
    std::function<bool(const Site&)> fits;
    std::function<Fault(const Site&)> apply;
};

std::string WithoutLine(const Site& s) {
    const std::string& t = s.script.text;
    std::size_t next = s.index + 1 < s.lines.size() ? s.lines[s.index + 1].start : t.size();
    return t.substr(0, s.line().start) + t.substr(next);
}

// The closing line of a block that stands at the top of the script (or, for
// procedures, a procedure outside any class), with no declarations after it:
// its statements run on to the end, where the host misses the closing word on
// the line after the last. Only scripts that end with a line break: where the
// last line has none, no source tells whether the host counts one more line.
FaultKind CloserRemoved(const char* name, const std::string& closer, const std::string& outer, int number) {
    return {name,
            [=](const Site& s) {
                const Line& l = s.line();
                const std::string& t = s.script.text;
                return !t.empty() && (t.back() == '\n' || t.back() == '\r') && !l.joined && l.statements.size() == 1 &&
                       BlockOf(l.statements[0]) == closer &&
                       l.blocks.size() == 1 && l.blocks[0] == outer && s.OnlyStatementsFollow();
            },
            [=](const Site& s) {
                std::string faulted = WithoutLine(s);
                return s.At(faulted, faulted.size(), number);
            }};
}

const std::vector<FaultKind>& FaultKinds() {
    static const std::vector<FaultKind> kinds = {
        CloserRemoved("End If removed", "/if", "if", 1014),
        CloserRemoved("Next removed", "/for", "for", 1020),
        CloserRemoved("Loop removed", "/do", "do", 1019),
        CloserRemoved("Wend removed", "/while", "while", 1018),
        CloserRemoved("End Select removed", "/select", "select", 1014),
        CloserRemoved("End Sub removed", "/sub", "sub", 1014),
        CloserRemoved("End Function removed", "/function", "function", 1014),
        {"closing quote removed",  // of the line's last string: it runs to the line's end
         [](const Site& s) {
             const Line& l = s.line();
             const std::size_t quote = l.code.rfind('"');
             return !l.joined && quote != std::string::npos &&
                    s.script.text.rfind('"', l.end - 1) == l.start + quote;
         },
         [](const Site& s) {
             const std::size_t quote = s.line().start + s.line().code.rfind('"');
             std::string faulted = s.script.text;
             faulted.erase(quote, 1);
             Fault f = s.At(faulted, s.line().end - 1, 1033);
             f.column = 0;  // the string's start (Wine) or the line's end: not known for the host
             return f;
         }},
        {"invalid character before a statement",
         [](const Site& s) { return !s.line().joined && !s.line().statements.empty(); },
         [](const Site& s) {
             const std::size_t at = s.line().start + s.line().code.find_first_not_of(" \t");
             std::string faulted = s.script.text;
             faulted.insert(at, "@");
             return s.At(faulted, at, 1032);
         }},
        {"To removed",
         [](const Site& s) {
             const Line& l = s.line();
             if (l.joined || l.statements.size() != 1 || BlockOf(l.statements[0]) != "for") return false;
             const std::size_t to = l.statements[0].find(" to ");
             return to != std::string::npos && Words(l.statements[0])[1] != "each" && std::isalnum(static_cast<unsigned char>(l.statements[0][to + 4]));
         },
         [](const Site& s) {
             const std::size_t to = s.line().start + Lower(s.line().code).find(" to ");
             std::string faulted = s.script.text;
             faulted.erase(to + 1, 3);
             return s.At(faulted, to + 1, 1013);
         }},
        {"Then removed",  // from a block If whose Then ends the line
         [](const Site& s) {
             const Line& l = s.line();
             return !l.joined && l.statements.size() == 1 && BlockOf(l.statements[0]) == "if" &&
                    s.script.text.compare(l.end - 5, 5, " Then") == 0;
         },
         [](const Site& s) {
             std::string faulted = s.script.text;
             faulted.erase(s.line().end - 5, 5);
             return s.At(faulted, s.line().end - 5, 1017);
         }},
        {"Dim 1x",
         [](const Site& s) {
             const Line& l = s.line();
             const std::string code = Lower(Trim(l.code));
             return !l.joined && code.rfind("dim ", 0) == 0 && std::isalpha(static_cast<unsigned char>(code[4]));
         },
         [](const Site& s) {
             const std::size_t name = s.line().start + Lower(s.line().code).find("dim ") + 4;
             std::string faulted = s.script.text;
             faulted.insert(name, "1");
             return s.At(faulted, name, 1010);
         }},
        {"Exit Sub at the top level",  // a last line of its own
         [](const Site& s) { return s.index + 1 == s.lines.size(); },
         [](const Site& s) {
             std::string faulted = s.script.text;
             if (s.line().end > s.line().start) faulted += s.script.text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
             const std::size_t at = faulted.size();
             faulted += "Exit Sub\r\n";
             return s.At(faulted, at + 5, 1039);
         }},
        {"statement joined to the next line",  // two assignments, the first without a comment
         [](const Site& s) {
             auto assignment = [](const Line& l) {
                 if (l.joined || l.statements.size() != 1 || l.code.size() != l.end - l.start) return false;
                 const std::vector<std::string> w = Words(l.statements[0]);
                 const std::size_t eq = l.statements[0].find('=');
                 static const std::vector<std::string> keywords = {"if", "elseif", "else", "for", "case", "const",
                                                                   "dim", "redim", "loop", "exit", "on", "with"};
                 return !w.empty() && eq != std::string::npos && BlockOf(l.statements[0]).empty() &&
                        std::isalpha(static_cast<unsigned char>(l.statements[0][0])) &&
                        std::find(keywords.begin(), keywords.end(), w[0]) == keywords.end();
             };
             return s.index + 1 < s.lines.size() && assignment(s.line()) && assignment(s.lines[s.index + 1]) &&
                    s.lines[s.index + 1].code.find_first_not_of(" \t") != std::string::npos;
         },
         [](const Site& s) {
             const Line& next = s.lines[s.index + 1];
             std::string first = s.script.text.substr(s.line().start, s.line().end - s.line().start);
             first.erase(first.find_last_not_of(" \t") + 1);
             const std::size_t secondStart = next.start + next.code.find_first_not_of(" \t");
             std::string faulted = s.script.text.substr(0, s.line().start) + first + " ";
             const std::size_t at = faulted.size();
             faulted += s.script.text.substr(secondStart);
             return s.At(faulted, at, 1025);
         }},
    };
    return kinds;
}

TEST(Corpus, ASeededFaultGivesTheHostsFirstErrorAtItsPlace) {
    if (!CheckerFindsErrors()) GTEST_SKIP() << "the checker finds nothing yet";
    constexpr std::size_t kScriptsPerKind = 12;
    const auto notValid = NotValid();
    std::vector<Script> scripts = ReadCorpus();
    std::erase_if(scripts, [&](const Script& s) { return notValid.contains(s.name); });
    std::mt19937 random(23);
    std::shuffle(scripts.begin(), scripts.end(), random);
    for (const FaultKind& kind : FaultKinds()) {
        SCOPED_TRACE(kind.name);
        std::size_t tried = 0;
        std::string failures;
        for (const Script& script : scripts) {
            if (tried == kScriptsPerKind) break;
            const std::vector<Line> lines = Scan(script.text);
            std::vector<std::size_t> fitting;
            for (std::size_t i = 0; i < lines.size(); ++i)
                if (kind.fits(Site{script, lines, i})) fitting.push_back(i);
            if (fitting.empty()) continue;
            ++tried;
            const Fault fault = kind.apply(Site{script, lines, fitting[random() % fitting.size()]});
            const std::string expected = std::to_string(fault.line) + " " + std::to_string(fault.column) + " " +
                                         std::to_string(fault.number);
            std::string found = FirstError(fault.text, script.form);
            if (fault.column == 0 && found != "ok") {
                const std::size_t a = found.find(' '), b = found.find(' ', a + 1);
                found.replace(a + 1, b - a - 1, "0");
            }
            std::string name = "faults/" + std::string(kind.name) + " - " + script.name;
            std::replace_if(name.begin() + 7, name.end(), [](char c) { return c == '/' || c == ' '; }, '_');
            Dump(name, fault.text, found + "\texpected " + expected);
            if (found != expected) failures += script.name + ": expected " + expected + ", checker " + found + "\n";
        }
        EXPECT_GE(tried, 1u) << "no script fits";
        EXPECT_EQ(failures, "");
    }
}

}  // namespace
}  // namespace tarnwick::language
