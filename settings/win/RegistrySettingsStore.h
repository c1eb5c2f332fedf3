#pragma once

#include "settings/SettingsStore.h"

#include <string>

namespace tarnwick {

// The settings key HKEY_CURRENT_USER\Software\Tarnwick on Windows. Values are
// strings (REG_SZ); an expandable string is read as stored, without expanding it.
class RegistrySettingsStore : public SettingsStore {
public:
    // keyPath: below HKEY_CURRENT_USER; tests use a key of their own.
    explicit RegistrySettingsStore(std::string keyPath = "Software\\Tarnwick") : keyPath_(std::move(keyPath)) {}
    std::unique_ptr<SettingsKey> OpenReadOnly() override;
    std::unique_ptr<SettingsKey> OpenForWriting() override;

private:
    std::string keyPath_;
};

}  // namespace tarnwick
