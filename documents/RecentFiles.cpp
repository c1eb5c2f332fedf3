#include "documents/RecentFiles.h"

#include "settings/SettingsStore.h"

#include <algorithm>

namespace tarnwick {

namespace {

std::string ValueName(int index) { return "MRU" + std::to_string(index + 1); }

void StoreRecentFiles(SettingsStore& settings, const std::vector<std::string>& paths) {
    const auto key = settings.OpenForWriting();
    if (!key) return;
    for (int i = 0; i < kRecentFileCount; ++i)
        key->WriteString(ValueName(i), i < static_cast<int>(paths.size()) ? paths[i] : std::string());
}

}  // namespace

std::vector<std::string> ReadRecentFiles(SettingsStore& settings) {
    const auto key = settings.OpenReadOnly();
    std::vector<std::string> paths;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const auto path = key->ReadString(ValueName(i));
        if (path && !path->empty() && std::find(paths.begin(), paths.end(), *path) == paths.end())
            paths.push_back(*path);
    }
    return paths;
}

void RememberRecentFile(SettingsStore& settings, const std::string& path) {
    if (path.empty()) return;
    std::vector<std::string> paths = ReadRecentFiles(settings);
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    if (paths.size() > static_cast<std::size_t>(kRecentFileCount)) paths.resize(kRecentFileCount);
    StoreRecentFiles(settings, paths);
}

void ForgetRecentFile(SettingsStore& settings, const std::string& path) {
    std::vector<std::string> paths = ReadRecentFiles(settings);
    std::erase(paths, path);
    StoreRecentFiles(settings, paths);
}

}  // namespace tarnwick
