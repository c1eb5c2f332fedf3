#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarnwick {

class SettingsStore;

// The placeholder that stands for the scratch script in a command template.
inline constexpr std::string_view kFilePathPlaceholder = "[FilePath]";
inline constexpr const char* kRunDefaultValue = "RunDefault";

// The host options of the Run Options list, in list order. "//H:CScript "
// ends with a space of its own.
inline constexpr int kRunOptionCount = 13;
extern const std::array<const char*, kRunOptionCount> kRunOptionItems;

// The explanation shown for a list index; the empty text for any other index.
std::string GetItemDescription(int index);

// Shown while the mouse is over the "default settings" check box.
extern const char* const kDefaultCheckExplanation;

using RunOptionTicks = std::array<bool, kRunOptionCount>;

// " " host " " (" " option for each ticked one, in list order) " [FilePath]".
// The host text is taken as typed.
std::string RebuildTemplate(std::string_view host, const RunOptionTicks& ticks);

// The template with its first "wscript" and then its first "cscript", found
// ignoring case, replaced by the chosen host. Nothing else changes.
std::string ChooseHost(std::string_view commandTemplate, std::string_view host);

// The default check box was clicked and is now ticked or not: stores the
// template, or the empty text. Throws Error("Failed to set data for
// 'RunDefault'") when the settings cannot be written.
void StoreRunDefault(SettingsStore& settings, bool ticked, const std::string& commandTemplate);

}  // namespace tarnwick
