#include "run/OutputSession.h"

#include "run/CheckListing.h"

#include "fakes/FakeFileWriter.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/TempDir.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Words = std::vector<std::string>;

TEST(OutputRunTest, ArgumentVectors) {
    const std::string s = "/tmp/a b/rundefault080.vbs";
    struct Row {
        const char* stored;
        Words words;
    } rows[] = {
        {"", {"cscript", "//nologo", s}},
        {" wscript  //B //nologo //T:10 [FilePath]", {"cscript", "//nologo", "//B", "//T:10", s}},
        {" cscript  //U //logo [FilePath] one \"two three\"", {"cscript", "//nologo", "//U", "//logo", s, "one", "two three"}},
        {"cscript //I", {"cscript", "//nologo", "//I", s}},
    };
    for (const Row& row : rows) EXPECT_EQ(OutputRunWords(row.stored, s), row.words) << row.stored;
}

TEST(OutputRunTest, HostErrorLines) {
    const std::string s = "/home/u/Program Files (x86)/rundefault080.vbs";
    const std::string wine = "Z:\\home\\u\\Program Files (x86)\\rundefault080.vbs";
    struct Row {
        std::string line;
        std::optional<SourcePlace> place;
    } rows[] = {
        {wine + "(4, 12) Microsoft VBScript runtime error: Division by zero", SourcePlace{4, 12}},
        {"z:\\HOME\\u\\program files (x86)\\RUNDEFAULT080.VBS(2, 1) Microsoft VBScript compilation error: "
         "Expected 'End'",
         SourcePlace{2, 1}},
        {s + "(7, 3) Microsoft VBScript runtime error: x", SourcePlace{7, 3}},
        {"rundefault080.vbs(1, 5) Microsoft VBScript runtime error: x", SourcePlace{1, 5}},
        {"C:\\other.vbs(4, 12) Microsoft VBScript runtime error: Division by zero", std::nullopt},
        {wine + "(4, 12) Microsoft JScript runtime error: x", std::nullopt},
        {wine + "(4) Microsoft VBScript runtime error: x", std::nullopt},
        {wine + "(4,12) Microsoft VBScript runtime error: x", std::nullopt},
        {"WScript.Echo said (4, 12) Microsoft VBScript runtime error: x", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseHostErrorLine(row.line, s), row.place) << row.line;
}

TEST(OutputRunTest, PlacesBecomePositionsInsideTheDocument) {
    EditorModel model;
    model.SetText("ab\r\ncdef\r\ng");
    const std::pair<SourcePlace, int> rows[] = {
        {{1, 1}, 0}, {{2, 3}, 6}, {{2, 99}, 8}, {{3, 1}, 10}, {{9, 1}, 10}, {{0, 0}, 0},
    };
    for (const auto& [place, pos] : rows) EXPECT_EQ(PositionOfPlace(model, place), pos) << place.line << "," << place.column;
    // In a Unicode document the host's column counts UTF-16 units: the emoji takes two.
    model.SetText("a\xF0\x9F\x98\x80\xCE\xA9" "b");
    EXPECT_EQ(PositionOfPlace(model, {1, 4}, TextEncoding::Utf8), 5);
    EXPECT_EQ(PositionOfPlace(model, {1, 5}, TextEncoding::Utf8), 7);
}

class FakeCaptured : public CapturedProcess {
public:
    Words started;
    Words startedAs;  // what the planner made of them, when not the words themselves
    Events events;
    bool running = false;
    Words Start(const std::vector<std::string>& words, Events e) override {
        started = words;
        events = std::move(e);
        running = true;
        return startedAs.empty() ? words : startedAs;
    }
    void Stop() override { End(std::nullopt); }
    bool Running() const override { return running; }
    void End(std::optional<int> code) {
        running = false;
        events.Finished(code);
    }
};

TEST(OutputRunTest, ASessionWritesTheScratchScriptStartsTheHostAndEnds) {
    testing::TempDir dir;
    fakes::FakeSettingsStore settings;
    settings.values["RunDefault"] = " wscript  //B [FilePath]";
    fakes::FakeFileWriter writer;
    MainUnit unit;
    unit.Settings = &settings;
    unit.Files = &writer;
    unit.MainText.SetText("WScript.Echo 1");
    FakeCaptured process;
    OutputSession session(process);
    std::string summary;
    session.OnFinished = [&](const std::string& text) { summary = text; };

    const std::string scratch = dir.File("rundefault080.vbs");
    EXPECT_EQ(session.Start(unit, scratch), (Words{"cscript", "//nologo", "//B", scratch}));
    EXPECT_EQ(testing::TempDir::Read(scratch), "WScript.Echo 1\r\n");
    EXPECT_EQ(writer.writes.back().access, NewFileAccess::Private);
    session.Start(unit, scratch);
    session.Stop();
    EXPECT_TRUE(summary.starts_with("Stopped after ")) << summary;
    RunEnd crashed;
    crashed.seconds = 1.5;
    EXPECT_EQ(RunSummary(crashed), "Ended abnormally after 1.50 s");
}

TEST(OutputRunTest, EachHostIsDecodedAndTheStatusTellsHowTheRunEnded) {
    const std::string scratch = "/tmp/caf\xC3\xA9/rundefault080.vbs";
    const std::string wine = "Z:\\tmp\\caf\xC3\xA9\\rundefault080.vbs";
    const std::string error = "(3, 5) Microsoft VBScript runtime error: Division by zero";
    const Words ours = {"wine", "/opt/tarnwick/tarnwick-host.exe", "//nologo", wine};
    const Words oursUnicode = {"wine", "/opt/tarnwick/tarnwick-host.exe", "//U", wine};
    const Words cscript = {"cscript", "//nologo", scratch};
    std::string utf16;
    for (char c : wine + error + "\r\n") utf16 += c == '\xC3' ? std::string("\xE9\0", 2) : c == '\xA9' ? "" : std::string{c, '\0'};
    using C = CapturedProcess::Channel;
    const std::size_t n = OutputSession::kMaxLineLength;
    struct Row {
        const char* name;
        Words startedAs;
        std::vector<std::pair<C, std::string>> writes;
        std::optional<int> exitCode;
        std::string lines;    // each line, "err:" before the error channel's, "@line,column" after a link's
        std::string summary;  // how it starts
    } rows[] = {
        {"our host's error at a path beyond ASCII, split between reads", ours,
         {{C::Output, "caf\xC3"}, {C::Output, "\xA9\r\n"}, {C::Error, wine.substr(0, 11)}, {C::Error, wine.substr(11) + error + "\r\n"}},
         1, "caf\xC3\xA9|err:" + wine + error + "@3,5", "Ended with an error after "},
        {"our host in UTF-16", oursUnicode, {{C::Error, utf16}}, 1, "err:" + wine + error + "@3,5", "Ended with an error after "},
        {"cscript's error in the OEM code page, exit code 0", cscript,
         {{C::Error, "Z:\\tmp\\caf\x82\\rundefault080.vbs" + error}}, 0, "err:" + wine + error + "@3,5",
         "Ended with an error after "},
        {"an error in another file is an error all the same", ours, {{C::Error, "C:\\lib.vbs" + error}}, 1,
         "err:C:\\lib.vbs" + error, "Ended with an error after "},
        {"our host refused an option", ours, {{C::Error, "tarnwick-host: //D: no debugger\r\n"}}, 2,
         "err:tarnwick-host: //D: no debugger", "Not run: //D: no debugger"},
        {"our host's script wrote one error line and quit with 2", ours, {{C::Error, "y\n"}}, 2, "err:y",
         "Exit code 2 after "},
        {"a host's error line on the output channel is only output", ours, {{C::Output, wine + error}}, 0,
         "" + wine + error + "@3,5", "Exit code 0 after "},
        {"cscript's exit code 2 is only that", cscript, {{C::Error, "//D refused\n"}}, 2, "err://D refused", "Exit code 2 after "},
        {"lines complete across writes, an error between them", ours,
         {{C::Output, "one\r\ntw"}, {C::Error, wine + error + "\r\n"}, {C::Output, "o\r\n\r\nlast"}}, 3,
         "one|err:" + wine + error + "@3,5|two||last", "Ended with an error after "},
        {"a longer line goes on in pieces, however the writes broke it", ours,
         {{C::Output, std::string(n + 1, 'x') + "\r"}, {C::Output, "\n" + std::string(2 * n + 1, 'y')}}, 0,
         std::string(n, 'x') + "|x|" + std::string(n, 'y') + "|" + std::string(n, 'y') + "|y", "Exit code 0 after "},
    };
    fakes::FakeFileWriter writer;
    MainUnit unit;
    unit.Files = &writer;
    FakeCaptured process;
    OutputSession session(process);
    std::string lines, summary;
    session.OnLine = [&](const OutputLine& line) {
        lines += (lines.empty() ? "" : "|") + std::string(line.channel == C::Error ? "err:" : "") + line.text +
                 (line.place ? "@" + std::to_string(line.place->line) + "," + std::to_string(line.place->column) : "");
    };
    session.OnFinished = [&](const std::string& text) { summary = text; };
    for (const Row& row : rows) {
        lines.clear();
        process.startedAs = row.startedAs;
        session.Run({"cscript", scratch}, scratch);
        for (const auto& [channel, bytes] : row.writes) process.events.Output(channel, bytes);
        process.End(row.exitCode);
        EXPECT_EQ(lines, row.lines) << row.name;
        EXPECT_TRUE(summary.starts_with(row.summary)) << row.name << ": " << summary;
    }
}

TEST(OutputRunTest, CheckSyntaxListsInUtf8) {
    struct Row {
        std::string path, quoted;  // what the finding quotes, as the document holds it
        TextEncoding encoding;
        std::string shown;
    } rows[] = {
        {"/tmp/caf\xC3\xA9.vbs", "caf\xE9", TextEncoding::Ansi,
         "/tmp/caf\xC3\xA9.vbs(2, 5) Tarnwick warning: 'caf\xC3\xA9'"},
        {"/tmp/\xE6\x97\xA5.vbs", "\xCE\xA9", TextEncoding::Utf8, "/tmp/\xE6\x97\xA5.vbs(2, 5) Tarnwick warning: '\xCE\xA9'"},
    };
    for (const Row& row : rows) {
        const language::Diagnostic found{language::Severity::Warning, 1, "'" + row.quoted + "'", 2, 5};
        const CheckListing listing = ListFindings({found}, row.path, row.encoding);
        EXPECT_EQ(listing.title, "Check Syntax: " + row.path);
        ASSERT_EQ(listing.lines.size(), 1u) << row.path;
        EXPECT_EQ(listing.lines[0].text, row.shown);
        EXPECT_EQ(listing.lines[0].place, (SourcePlace{2, 5}));
    }
}

}  // namespace
}  // namespace tarnwick
