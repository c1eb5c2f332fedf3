#pragma once

#include "app/SettingsStore.h"

namespace tarnwick {

// The settings key HKEY_CURRENT_USER\Software\Tarnwick on Windows. Values are
// strings (REG_SZ); an expandable string is read as stored, without expanding it.
class RegistrySettingsStore : public SettingsStore {
public:
    std::unique_ptr<SettingsKey> OpenReadOnly() override;
    std::unique_ptr<SettingsKey> OpenForWriting() override;
};

}  // namespace tarnwick
