#include "settings/win/RegistrySettingsStore.h"

#include <windows.h>

#include <vector>

namespace tarnwick {
namespace {

class RegistryKey : public SettingsKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override {
        if (key_) RegCloseKey(key_);
    }

    std::optional<std::string> ReadString(const std::string& name) const override {
        if (!key_) return std::nullopt;
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
        std::vector<char> buffer(size + 1, '\0');
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        std::string value(buffer.data(), size);
        while (!value.empty() && value.back() == '\0') value.pop_back();
        return value;
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        if (!key_) return false;
        return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<SettingsKey> RegistrySettingsStore::OpenReadOnly() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) key = nullptr;
    return std::make_unique<RegistryKey>(key);
}

std::unique_ptr<SettingsKey> RegistrySettingsStore::OpenForWriting() {
    // The key is created when it does not exist yet, so a first run can store its settings.
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<RegistryKey>(key);
}

}  // namespace tarnwick
