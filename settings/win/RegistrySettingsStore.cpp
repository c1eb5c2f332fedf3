#include "settings/win/RegistrySettingsStore.h"

#include "unit/win/WinText.h"

#include <windows.h>

#include <vector>

namespace tarnwick {
namespace {

// Older versions wrote UTF-8 bytes through the "A" calls, which took each
// byte for a character of the ANSI code page: a value whose characters are
// all in that code page and whose bytes there are UTF-8 beyond ASCII is such a
// value, and those bytes are its text.
std::string StoredText(std::wstring_view text) {
    if (std::string older; ToAnsiCodePage(text, older) && IsUtf8BeyondAscii(older)) return older;
    return Utf8Text(text);
}

class RegistryKey : public SettingsKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override {
        if (key_) RegCloseKey(key_);
    }

    // Text values are UTF-16 in the registry and UTF-8 here.
    std::optional<std::string> ReadString(const std::string& name) const override {
        if (!key_) return std::nullopt;
        const std::wstring wideName = WideText(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        buffer.resize(size / sizeof(wchar_t));
        while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
        return StoredText(buffer);
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        if (!key_) return false;
        const std::wstring text = WideText(value);
        return RegSetValueExW(key_, WideText(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
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
