#include "language/CheckCommand.h"

#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarnwick::language {
namespace {

// A checker that finds an error on each line holding "ERR", a warning on each
// holding "WARN", quoting the rest of the line; it records the text form.
std::vector<Diagnostic> FakeCheck(std::string_view text, TextForm form, const CheckOptions& options) {
    std::vector<Diagnostic> found;
    int line = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        const std::string_view row = text.substr(start, end - start);
        const std::string form_ = form == TextForm::Ansi ? "ansi" : "utf8";
        if (const auto at = row.find("ERR"); at != row.npos)
            found.push_back({Severity::Error, 1002, "Syntax error " + form_ + std::string(row.substr(at + 3)), line,
                             int(at) + 1, int(start + at), 3});
        if (const auto at = row.find("WARN"); at != row.npos && options.warnings)
            found.push_back({Severity::Warning, 9001, "Unused \"x\"", line, int(at) + 1, int(start + at), 4});
        start = end + 2;
        ++line;
    }
    return found;
}

TEST(CheckCommand, PrintsFindingsAndExitsByTheWorstFile) {
    testing::TempDir dir;
    const std::string clean = dir.Write("clean.vbs", "MsgBox 1\r\n");
    const std::string bad = dir.Write("bad.vbs", "x = 1\r\n  ERR\r\nWARN\r\n");
    const std::string latin = dir.Write("latin.vbs", "ERR \xE9\r\n");
    const std::string unicode = dir.Write("unicode.vbs", std::string("\xFF\xFEW\0A\0R\0N\0E\0R\0R\0", 16));
    const std::string warned = dir.Write("warned.vbs", "WARN\r\n");
    const std::string missing = dir.File("missing.vbs");
    // A path as JSON writes it: a Windows path's backslashes are escaped.
    auto inJson = [](std::string path) {
        for (std::size_t at = 0; (at = path.find('\\', at)) != std::string::npos; at += 2) path.insert(at, 1, '\\');
        return path;
    };
    struct Row {
        const char* name;
        std::vector<std::string> arguments;
        std::string out;
        const char* errorPart;  // in what goes to standard error; empty: nothing goes there
        int exitCode;
    };
    const Row rows[] = {
        {"clean file", {clean}, "", "", 0},
        {"host form, errors only",
         {bad, clean},
         bad + "(2, 3) Microsoft VBScript compilation error: Syntax error ansi\n",
         "",
         1},
        {"warnings asked for, gcc form",
         {"--warnings", "--format=gcc", bad},
         bad + ":2:3: error: Syntax error ansi [1002]\n" + bad + ":3:1: warning: Unused \"x\" [9001]\n",
         "",
         1},
        {"only warnings: no error",
         {"--warnings", "--format=gcc", warned},
         warned + ":1:1: warning: Unused \"x\" [9001]\n",
         "",
         0},
        {"json, ANSI text as UTF-8 and escaped",
         {"--format=json", "--warnings", latin, unicode},
         "[\n  {\"file\": \"" + inJson(latin) +
             "\", \"line\": 1, \"column\": 1, \"number\": 1002, \"severity\": \"error\", \"text\": \"Syntax error "
             "ansi \xC3\xA9\"},\n  {\"file\": \"" +
             inJson(unicode) +
             "\", \"line\": 1, \"column\": 5, \"number\": 1002, \"severity\": \"error\", \"text\": \"Syntax error "
             "utf8\"},\n  {\"file\": \"" +
             inJson(unicode) +
             "\", \"line\": 1, \"column\": 1, \"number\": 9001, \"severity\": \"warning\", \"text\": "
             "\"Unused \\\"x\\\"\"}\n]\n",
         "",
         1},
        {"json, nothing found", {"--format=json", clean}, "[]\n", "", 0},
        {"unreadable file: the rest still checked", {missing, bad}, bad + "(2, 3) Microsoft VBScript compilation error: Syntax error ansi\n",
         "Cannot open file", 2},
        {"unknown option", {"--format=xml", clean}, "", "unknown option \"--format=xml\"", 2},
        {"no file", {"--warnings"}, "", "no script to check", 2},
        {"a name after -- that looks like an option", {"--", "--warnings"}, "", "Cannot open file \"--warnings\"", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> arguments{"tarnwick", "--check"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        std::ostringstream out, err;
        EXPECT_EQ(RunCheckCommand(arguments, out, err, FakeCheck), row.exitCode);
        EXPECT_EQ(out.str(), row.out);
        if (*row.errorPart) EXPECT_NE(err.str().find(row.errorPart), std::string::npos) << err.str();
        else EXPECT_EQ(err.str(), "");
    }
    EXPECT_TRUE(IsCheckCommand({"tarnwick", "--check", "a.vbs"}));
    EXPECT_FALSE(IsCheckCommand({"tarnwick", "a.vbs", "--check"}));  // a script named so opens in the window
}

}  // namespace
}  // namespace tarnwick::language
