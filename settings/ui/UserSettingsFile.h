#pragma once

#include "settings/FileSettingsStore.h"

#include <filesystem>
#include <memory>

namespace tarnwick {

// The home folder of the account the program runs as, from the system's user
// database; empty when it has none.
std::filesystem::path AccountHome();

// Locks a settings file with a lock file beside it, taken over from an
// instance that died holding it.
SettingsFileLocker LockFileLocker();

// The per-user settings file, in the user's own folders only.
std::unique_ptr<FileSettingsStore> UserSettingsStore();

}  // namespace tarnwick
