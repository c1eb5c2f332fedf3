#pragma once

#include "language/CheckCommand.h"

#include <string>
#include <vector>

namespace tarnwick {

struct MainUnit;
class SettingsStore;

namespace language {

// The settings value that turns the question before a run off ("0") or on
// (anything else, and missing).
inline constexpr const char* kCheckBeforeRunValue = "CheckBeforeRun";

bool CheckBeforeRun(SettingsStore* settings);
// Throws Error("Failed to set data for 'CheckBeforeRun'") when it cannot be written.
void StoreCheckBeforeRun(SettingsStore& settings, bool ask);

// The question before a run of a script with a compile error, naming the first.
std::string CompileErrorQuestion(const Diagnostic& first);

// Before the editor's script runs: true when it has no compile error, when
// the question is turned off, or when the user answers Yes to running it anyway.
bool MayRunScript(MainUnit& unit, const Checker& check = CheckScript);

// The line under the findings that Check Syntax lists: "No errors found",
// "2 errors, 1 warning" ...
std::string CheckSummary(const std::vector<Diagnostic>& found);

}  // namespace language
}  // namespace tarnwick
