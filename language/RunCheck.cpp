#include "language/RunCheck.h"

#include "settings/SettingsStore.h"
#include "unit/MainUnit.h"

#include <algorithm>

namespace tarnwick::language {

namespace {

TextForm FormOf(TextEncoding encoding) { return encoding == TextEncoding::Ansi ? TextForm::Ansi : TextForm::Utf8; }

std::string Counted(long count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

bool CheckBeforeRun(SettingsStore* settings) {
    if (!settings) return true;
    return settings->OpenReadOnly()->ReadString(kCheckBeforeRunValue) != "0";
}

void StoreCheckBeforeRun(SettingsStore& settings, bool ask) {
    auto key = settings.OpenForWriting();
    WriteSettingOrThrow(key.get(), kCheckBeforeRunValue, ask ? "1" : "0");
}

std::string CompileErrorQuestion(const Diagnostic& first) {
    return "The script has a compile error:\n\nLine " + std::to_string(first.line) + ", column " +
           std::to_string(first.column) + ": " + first.text + "\n\nRun it anyway?";
}

bool MayRunScript(MainUnit& unit, const Checker& check) {
    if (!CheckBeforeRun(unit.Settings) || !unit.Boxes) return true;
    const EditorModel& text = unit.MainText;
    const std::vector<Diagnostic> found =
        check(text.TextRange(0, text.Length()), FormOf(unit.Encoding), CheckOptions{false});
    const auto first = std::find_if(found.begin(), found.end(),
                                    [](const Diagnostic& d) { return d.severity == Severity::Error; });
    return first == found.end() || unit.Boxes->AskYesNo(CompileErrorQuestion(*first));
}

std::string CheckSummary(const std::vector<Diagnostic>& found) {
    const long errors =
        std::count_if(found.begin(), found.end(), [](const Diagnostic& d) { return d.severity == Severity::Error; });
    const long warnings = static_cast<long>(found.size()) - errors;
    if (errors == 0) return warnings == 0 ? "No errors found" : "No errors found; " + Counted(warnings, "warning");
    return Counted(errors, "error") + (warnings ? ", " + Counted(warnings, "warning") : "");
}

}  // namespace tarnwick::language
