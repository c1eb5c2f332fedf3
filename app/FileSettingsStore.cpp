#include "app/FileSettingsStore.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

namespace tarnwick {
namespace {

constexpr const char* kSection = "[Software\\Tarnwick]";

using Values = std::map<std::string, std::string>;

// The values of the file; nullopt when the file exists but cannot be read.
std::optional<Values> ReadValues(const std::filesystem::path& file) {
    Values values;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return values;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inSection = line == kSection;
            continue;
        }
        std::size_t eq = line.find('=');
        if (!inSection || eq == std::string::npos || eq == 0) continue;
        values[line.substr(0, eq)] = UnescapeSettingValue(line.substr(eq + 1));
    }
    if (in.bad()) return std::nullopt;
    return values;
}

bool IsReadOnly(const std::filesystem::path& file) {
    std::error_code ec;
    auto status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::exists(status)) return false;
    return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

// A name no other writer uses at the same moment.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& file) {
    static std::mt19937_64 random{std::random_device{}()};
    std::filesystem::path temp = file;
    temp += ".tmp" + std::to_string(random());
    return temp;
}

bool WriteValues(const std::filesystem::path& file, const Values& values) {
    std::error_code ec;
    // The rename below would go round a read-only file's protection.
    if (IsReadOnly(file)) return false;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    std::filesystem::path temp = TemporaryNameFor(file);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << kSection << '\n';
        for (const auto& [name, value] : values) out << name << '=' << EscapeSettingValue(value) << '\n';
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

class FileSettingsKey : public SettingsKey {
public:
    FileSettingsKey(std::filesystem::path file, bool writable)
        : file_(std::move(file)), writable_(writable), values_(ReadValues(file_).value_or(Values{})) {}

    std::optional<std::string> ReadString(const std::string& name) const override {
        auto it = values_.find(name);
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        if (!writable_ || name.empty() || name.find_first_of("=\r\n[") != std::string::npos) return false;
        // Re-read first, so values written by another instance since this key was opened survive.
        std::optional<Values> read = ReadValues(file_);
        if (!read) return false;  // rewriting a file we cannot read would lose its other values
        Values current = std::move(*read);
        current[name] = value;
        if (!WriteValues(file_, current)) return false;
        values_ = std::move(current);
        return true;
    }

private:
    std::filesystem::path file_;
    bool writable_;
    Values values_;
};

}  // namespace

std::string EscapeSettingValue(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        bool edge = i == 0 || i + 1 == value.size();
        if (c == '\\') out += "\\\\";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == ' ' && edge) out += "\\s";
        else if (c == '\t' && edge) out += "\\t";
        else out += c;
    }
    return out;
}

std::string UnescapeSettingValue(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char c = text[++i];
        switch (c) {
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case 's': out += ' '; break;
            case 't': out += '\t'; break;
            default: out += c; break;
        }
    }
    return out;
}

FileSettingsStore::FileSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path FileSettingsStore::DefaultPath() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::filesystem::path(home) / ".config";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / "Tarnwick" / "Tarnwick.conf";
}

std::unique_ptr<SettingsKey> FileSettingsStore::OpenReadOnly() {
    return std::make_unique<FileSettingsKey>(file_, false);
}

std::unique_ptr<SettingsKey> FileSettingsStore::OpenForWriting() {
    // The key is created on the first write when it does not exist yet.
    return std::make_unique<FileSettingsKey>(file_, true);
}

}  // namespace tarnwick
