#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tarnwick {

// One opened settings key. Closed when destroyed.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // The value's text; nullopt when it is missing or not a string.
    virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
    // Stores the text, replacing an earlier value. False when the write failed.
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
};

// The per-user key "Software\Tarnwick". Every operation opens it afresh and
// closes it when done; nothing is cached between operations.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Never null: a key that does not exist reads every value as missing.
    virtual std::unique_ptr<SettingsKey> OpenReadOnly() = 0;
    // Creates the key when it does not exist yet; null when even that fails.
    virtual std::unique_ptr<SettingsKey> OpenForWriting() = 0;
};

// Writes one value or throws Error("Failed to set data for '<name>'").
void WriteSettingOrThrow(SettingsKey* key, const std::string& name, const std::string& value);

}  // namespace tarnwick
