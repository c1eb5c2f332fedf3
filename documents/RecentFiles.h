#pragma once

#include <string>
#include <vector>

namespace tarnwick {

class SettingsStore;

// The files last opened or saved, newest first, kept as "MRU1" ... "MRU8".
inline constexpr int kRecentFileCount = 8;

std::vector<std::string> ReadRecentFiles(SettingsStore& settings);

// Puts the path first (once) and stores the list. A store that cannot be
// written is passed over: the list is a convenience and never stops a command.
void RememberRecentFile(SettingsStore& settings, const std::string& path);
void ForgetRecentFile(SettingsStore& settings, const std::string& path);

}  // namespace tarnwick
