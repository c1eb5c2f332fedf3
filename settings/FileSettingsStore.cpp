#include "settings/FileSettingsStore.h"

#include "unit/Error.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>
#include <system_error>

namespace tarnwick {
namespace {

constexpr const char* kSection = "[Software\\Tarnwick]";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Values = std::map<std::string, std::string>;

// The file's bytes; an empty string for a missing file, nullopt when it exists but cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::error_code ec;
    if (file.empty() || !std::filesystem::exists(file, ec)) return std::string();
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;  // a folder opens, and reads as nothing
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
}

// The file as lines, each without its break. A leading byte-order mark is
// kept apart, so the section header after it is still found. Each line keeps
// whether its break was CR LF, so a write gives every other line back byte for
// byte: a value may end in a CR of its own ("x=1\r\r\n").
struct SettingsLines {
    struct Line {
        std::string text;
        bool cr = false;
    };
    std::string byteOrderMark;
    std::vector<Line> lines;
    bool crlf = false;     // the file breaks its lines with CR LF: new lines do too
    bool finalBreak = true;

    explicit SettingsLines(std::string bytes) {
        if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
            byteOrderMark = kByteOrderMark;
            bytes.erase(0, kByteOrderMark.size());
        }
        finalBreak = bytes.empty() || bytes.back() == '\n';
        std::istringstream in(bytes);
        std::string line;
        while (std::getline(in, line)) {
            const bool cr = !line.empty() && line.back() == '\r';
            if (cr) line.pop_back();
            if (lines.empty()) crlf = cr;
            lines.push_back({std::move(line), cr});
        }
    }

    // The section's header line and the line after its last line; npos: no section.
    std::pair<std::size_t, std::size_t> Section() const {
        std::size_t header = std::string::npos;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (header == std::string::npos) {
                if (lines[i].text == kSection) header = i;
            } else if (!lines[i].text.empty() && lines[i].text.front() == '[') {
                return {header, i};
            }
        }
        return {header, lines.size()};
    }

    Values Read() const {
        Values values;
        const auto [header, end] = Section();
        if (header == std::string::npos) return values;
        for (std::size_t i = header + 1; i < end; ++i) {
            const std::string& text = lines[i].text;
            const std::size_t eq = text.find('=');
            if (eq == std::string::npos || eq == 0) continue;
            // The first line of a name counts: it is the one a write replaces.
            values.emplace(text.substr(0, eq), UnescapeSettingValue(text.substr(eq + 1)));
        }
        return values;
    }

    // Replaces the value's line, or adds one at the end of the section; every other line stays.
    void Set(const std::string& name, const std::string& value) {
        const std::string line = name + '=' + EscapeSettingValue(value);
        auto [header, end] = Section();
        if (header == std::string::npos) {
            Insert(lines.size(), std::string(kSection));
            Insert(lines.size(), line);
            return;
        }
        std::size_t last = header;
        for (std::size_t i = header + 1; i < end; ++i) {
            if (lines[i].text.compare(0, name.size() + 1, name + '=') == 0) {
                lines[i].text = line;
                return;
            }
            if (!lines[i].text.empty()) last = i;
        }
        Insert(last + 1, line);
    }

    // A new line breaks as the file does; a last line that had no break gets the file's one.
    void Insert(std::size_t at, std::string text) {
        if (at == lines.size() && !lines.empty() && !finalBreak) lines.back().cr = lines.back().cr || crlf;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), crlf});
    }

    std::string Bytes() const {
        std::string out = byteOrderMark;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out += lines[i].text;
            if (lines[i].cr) out += '\r';
            if (i + 1 < lines.size() || finalBreak) out += '\n';
        }
        return out;
    }
};

// The values of the file; nullopt when the file exists but cannot be read.
std::optional<Values> ReadValues(const std::filesystem::path& file) {
    std::optional<std::string> bytes = ReadBytes(file);
    if (!bytes) return std::nullopt;
    return SettingsLines(std::move(*bytes)).Read();
}

// The file a symbolic link points to, through any chain of links, so a write
// replaces the target and the link stays.
std::filesystem::path LinkTarget(std::filesystem::path file) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(file, ec); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(file, ec);
        if (ec) break;
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return file;
}

bool IsReadOnly(const std::filesystem::path& file) {
    std::error_code ec;
    auto status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::exists(status)) return false;
    return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

// Writes the bytes through the writer. A new file is readable by the user
// alone; an existing one keeps its permissions.
bool WriteBytes(FileWriter& writer, const std::filesystem::path& file, const std::string& bytes) {
    // The writer's rename would go round a read-only file's protection, even for the superuser.
    if (IsReadOnly(file)) return false;
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    try {
        writer.Replace(file.string(), bytes, NewFileAccess::OwnerOnly);
    } catch (const Error&) {
        return false;
    }
    return true;
}

class FileSettingsKey : public SettingsKey {
public:
    FileSettingsKey(std::filesystem::path file, bool writable, FileWriter& writer, SettingsFileLocker locker)
        : file_(std::move(file)), writable_(writable), writer_(writer), locker_(std::move(locker)),
          values_(ReadValues(file_).value_or(Values{})) {}

    std::optional<std::string> ReadString(const std::string& name) const override {
        auto it = values_.find(name);
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        if (!writable_ || file_.empty() || name.empty() || name.find_first_of("=\r\n[") != std::string::npos)
            return false;
        const std::filesystem::path target = LinkTarget(file_);
        // Another instance may write between our read and our write: the lock keeps both values.
        std::unique_ptr<SettingsFileLock> lock;
        if (locker_) {
            lock = locker_(target);
            if (!lock) return false;
        }
        // Re-read first, so values written by another instance since this key was opened survive.
        std::optional<std::string> bytes = ReadBytes(target);
        if (!bytes) return false;  // rewriting a file we cannot read would lose its other values
        SettingsLines lines(*bytes);
        lines.Set(name, value);
        // A value written as it stands costs no rewrite: closing the window
        // writes its place every time, and each rewrite waits for the disk.
        if (lines.Bytes() != *bytes && !WriteBytes(writer_, target, lines.Bytes())) return false;
        values_ = lines.Read();
        return true;
    }

private:
    std::filesystem::path file_;
    bool writable_;
    FileWriter& writer_;
    SettingsFileLocker locker_;
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

FileSettingsStore::FileSettingsStore(std::filesystem::path file, FileWriter& writer, SettingsFileLocker locker)
    : file_(std::move(file)), writer_(&writer), locker_(std::move(locker)) {}

std::filesystem::path FileSettingsStore::DefaultPath(const std::filesystem::path& accountHome) {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::filesystem::path(home) / ".config";
    } else if (!accountHome.empty()) {
        base = accountHome / ".config";
    } else {
        return {};  // never a shared folder such as /tmp
    }
    return base / "Tarnwick" / "Tarnwick.conf";
}

std::unique_ptr<SettingsKey> FileSettingsStore::OpenReadOnly() {
    return std::make_unique<FileSettingsKey>(file_, false, *writer_, locker_);
}

std::unique_ptr<SettingsKey> FileSettingsStore::OpenForWriting() {
    // The key is created on the first write when it does not exist yet.
    return std::make_unique<FileSettingsKey>(file_, true, *writer_, locker_);
}

}  // namespace tarnwick
