#include "language/RunCheck.h"

#include "fakes/FakeBoxes.h"
#include "fakes/FakeSettingsStore.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

namespace tarnwick::language {
namespace {

// A script of "bad" has an error on line 2; a script of "odd" only a warning.
std::vector<Diagnostic> FakeCheck(std::string_view text, TextForm, const CheckOptions&) {
    if (text == "bad") return {{Severity::Warning, 9000, "Unused", 1, 1, 0, 1}, {Severity::Error, 1010, "Expected identifier", 2, 5, 9, 1}};
    if (text == "odd") return {{Severity::Warning, 9000, "Unused", 1, 1, 0, 1}};
    return {};
}

TEST(RunCheck, AsksBeforeAScriptWithAnErrorRuns) {
    struct Row {
        const char* name;
        const char* script;
        std::optional<std::string> stored;  // CheckBeforeRun
        std::optional<Answer> answer;       // none: no question may come
        bool runs;
    };
    const Row rows[] = {
        {"clean script", "ok", std::nullopt, std::nullopt, true},
        {"a warning does not ask", "odd", std::nullopt, std::nullopt, true},
        {"error, run anyway", "bad", std::nullopt, Answer::Yes, true},
        {"error, not run", "bad", "1", Answer::No, false},
        {"the question turned off", "bad", "0", std::nullopt, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MainUnit unit;
        fakes::FakeBoxes boxes;
        fakes::FakeSettingsStore settings;
        unit.Boxes = &boxes;
        unit.Settings = &settings;
        if (row.stored) settings.values[kCheckBeforeRunValue] = *row.stored;
        if (row.answer) boxes.Answer(*row.answer);
        unit.MainText.SetText(row.script);
        EXPECT_EQ(MayRunScript(unit, FakeCheck), row.runs);
        if (row.answer) {
            EXPECT_EQ(boxes.Questions(), std::vector<std::string>{"The script has a compile error:\n\nLine 2, column 5: "
                                                                  "Expected identifier\n\nRun it anyway?"});
        }
    }
    fakes::FakeSettingsStore settings;
    StoreCheckBeforeRun(settings, false);
    EXPECT_FALSE(CheckBeforeRun(&settings));
    EXPECT_EQ(CheckSummary(FakeCheck("bad", TextForm::Ansi, {})), "1 error, 1 warning");
    EXPECT_EQ(CheckSummary({}), "No errors found");
}

}  // namespace
}  // namespace tarnwick::language
