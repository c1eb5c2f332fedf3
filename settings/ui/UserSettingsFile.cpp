#include "settings/ui/UserSettingsFile.h"

#include "documents/ui/QtFileWriter.h"
#include "unit/ui/QtPorts.h"

#include <QLockFile>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace tarnwick {

namespace {

constexpr int kLockWaitMs = 5000;

class LockFileHold : public SettingsFileLock {
public:
    explicit LockFileHold(const QString& path) : lock_(path) {}
    bool Take() { return lock_.tryLock(kLockWaitMs); }

private:
    QLockFile lock_;  // released when destroyed
};

}  // namespace

std::filesystem::path AccountHome() {
#ifndef _WIN32
    if (const passwd* account = getpwuid(getuid()); account && account->pw_dir && *account->pw_dir)
        return account->pw_dir;
#endif
    return {};
}

SettingsFileLocker LockFileLocker() {
    return [](const std::filesystem::path& file) -> std::unique_ptr<SettingsFileLock> {
        std::error_code ec;
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
        auto hold = std::make_unique<LockFileHold>(FromPath(file.string() + ".lock"));
        if (!hold->Take()) return nullptr;
        return hold;
    };
}

std::unique_ptr<FileSettingsStore> UserSettingsStore() {
    static QtFileWriter writer;  // holds nothing: one serves every store
    return std::make_unique<FileSettingsStore>(FileSettingsStore::DefaultPath(AccountHome()), writer,
                                               LockFileLocker());
}

}  // namespace tarnwick
