#pragma once

#include "app/SettingsStore.h"

#include <filesystem>

namespace tarnwick {

// The settings key kept in a file where there is no registry: one section
// "[Software\Tarnwick]" and one "Name=Value" line per value. Backslashes, line
// breaks and blanks at either end of a value are escaped so every value reads
// back as written. Every write rewrites the file through a temporary file and
// a rename, so a crash never leaves it half written.
class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/Tarnwick/Tarnwick.conf, with ~/.config when the variable is unset.
    static std::filesystem::path DefaultPath();

    std::unique_ptr<SettingsKey> OpenReadOnly() override;
    std::unique_ptr<SettingsKey> OpenForWriting() override;

    const std::filesystem::path& Path() const { return file_; }

private:
    std::filesystem::path file_;
};

std::string EscapeSettingValue(const std::string& value);
std::string UnescapeSettingValue(const std::string& text);

}  // namespace tarnwick
