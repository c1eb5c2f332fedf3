#include "run/CommandLine.h"

#include "run/ScriptRunner.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, SplitsByTheWindowsRules) {
    struct Row {
        const char* line;
        Words words;
    } rows[] = {
        {" wscript  //B  \"C:\\Tools\\rundefault080.vbs\"", {"wscript", "//B", "C:\\Tools\\rundefault080.vbs"}},
        {"\"C:\\Program Files\\x.exe\" a", {"C:\\Program Files\\x.exe", "a"}},
        {"p a\\\\b \"c\\\\\" d", {"p", "a\\\\b", "c\\", "d"}},
        {"p \\\"q\\\" \"x\\\\\\\"y\"", {"p", "\"q\"", "x\\\"y"}},
        {"p \"a\"\"b\" c\"d e\"f", {"p", "a\"b", "cd ef"}},
        {"p \"\" \t x", {"p", "", "x"}},
        {"   ", {}},
    };
    for (const Row& row : rows) EXPECT_EQ(SplitCommandLine(row.line), row.words) << row.line;
    EXPECT_EQ(ArgumentsPart(" \"C:\\a b\\c.exe\"  //B x"), "  //B x");
}

TEST(CommandLine, TheScratchPathReachesTheHostAsOneUnchangedArgument) {
    const char* paths[] = {
        "/home/a b/rundefault080.vbs",        "/tmp/x & del * | y ^ %PATH% !v! ; $(id) `id`/r.vbs",
        "/tmp/-rf/r.vbs",                     "/tmp/qu\"ote/r.vbs",
        "/tmp/back\\slash\\/r.vbs",           "/tmp/caf\xc3\xa9 \xe2\x82\xac/r.vbs",
        "C:\\Tools\\rundefault080.vbs",       "C:\\dir\\",
    };
    for (const char* path : paths) {
        const Words words = SplitCommandLine(FormCommand(" cscript  //nologo [FilePath]", path));
        EXPECT_EQ(words, (Words{"cscript", "//nologo", path})) << path;
    }
    EXPECT_EQ(FormCommand("wscript [FilePath]", "C:\\Tools\\r.vbs"), "wscript  \"C:\\Tools\\r.vbs\"");
}

TEST(CommandLine, HostsMissingFromThePathRunThroughWine) {
    const std::string scratch = "/opt/t/rundefault080.vbs";
    const std::string host = "/opt/t/tarnwick-host.exe";
    struct Row {
        Words words;
        bool onPath;
        ProcessLaunch expected;
        std::string ourHost;
    } rows[] = {
        {{"cscript", "//nologo", scratch}, false,
         {"wine", {"cscript", "//nologo", "Z:\\opt\\t\\rundefault080.vbs"}, true}},
        {{"C:\\Windows\\WScript.EXE", scratch, "/other"}, false,
         {"wine", {"C:\\Windows\\WScript.EXE", "Z:\\opt\\t\\rundefault080.vbs", "/other"}, true}},
        {{"cscript", scratch}, true, {"cscript", {scratch}, false}},
        {{"python3", scratch}, false, {"python3", {scratch}, false}},
        // Our own host stands in for both, wscript's message boxes asked for by a switch.
        {{"cscript", "//T:5", scratch, "a b"}, false,
         {"wine", {host, "//T:5", "Z:\\opt\\t\\rundefault080.vbs", "a b"}, true}, host},
        {{"WScript.exe", scratch}, false, {"wine", {host, "//wscript", "Z:\\opt\\t\\rundefault080.vbs"}, true}, host},
        {{"cscript", scratch}, true, {"cscript", {scratch}, false}, host},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlanLaunch(row.words, scratch, row.onPath, row.ourHost), row.expected) << row.words[0];
    EXPECT_NE(StartFailureMessage(rows[0].expected).find("install"), std::string::npos);
    EXPECT_NE(StartFailureMessage(rows[3].expected).find("\"python3\""), std::string::npos);
}

}  // namespace
}  // namespace tarnwick
