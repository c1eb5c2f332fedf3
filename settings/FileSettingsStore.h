#pragma once

#include "settings/SettingsStore.h"
#include "unit/Ports.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace tarnwick {

// Held while a writer reads, changes and writes the settings file.
class SettingsFileLock {
public:
    virtual ~SettingsFileLock() = default;
};
// Locks the file at the path; null when the lock cannot be had.
using SettingsFileLocker = std::function<std::unique_ptr<SettingsFileLock>(const std::filesystem::path&)>;

// The settings key kept in a file where there is no registry: the section
// "[Software\Tarnwick]" with one "Name=Value" line per value. Backslashes, line
// breaks and blanks at either end of a value are escaped so every value reads
// back as written. A write changes only its value's line: comments, other
// sections and lines the store does not understand stay, and a leading
// byte-order mark is passed over. It writes the whole file through the writer
// (a crash never leaves it half written), creates it readable by the user
// alone, and holds the lock around each read-modify-write so two instances
// never lose each other's values. A file it cannot read, or one marked
// read-only, is never rewritten.
class FileSettingsStore : public SettingsStore {
public:
    // An empty path is no place at all: every value reads as missing and no write succeeds.
    FileSettingsStore(std::filesystem::path file, FileWriter& writer, SettingsFileLocker locker = nullptr);

    // $XDG_CONFIG_HOME/Tarnwick/Tarnwick.conf; ~/.config from $HOME when that is
    // unset, else from the account's home folder; empty when there is none.
    static std::filesystem::path DefaultPath(const std::filesystem::path& accountHome = {});

    std::unique_ptr<SettingsKey> OpenReadOnly() override;
    std::unique_ptr<SettingsKey> OpenForWriting() override;

    const std::filesystem::path& Path() const { return file_; }

private:
    std::filesystem::path file_;
    FileWriter* writer_;
    SettingsFileLocker locker_;
};

std::string EscapeSettingValue(const std::string& value);
std::string UnescapeSettingValue(const std::string& text);

}  // namespace tarnwick
