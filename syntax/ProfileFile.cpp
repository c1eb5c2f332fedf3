#include "syntax/ProfileFile.h"

#include "editor/Ansi.h"

#include <algorithm>

namespace tarnwick {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

ProfileFile::ProfileFile(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Keys* current = nullptr;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        line = Trim(line);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            const std::size_t length = close == std::string_view::npos ? line.npos : close - 1;
            std::string name = AsciiLowerCase(Trim(line.substr(1, length)));
            // A repeated section adds nothing: its first appearance is the one read.
            auto [it, added] = sections_.try_emplace(std::move(name));
            current = added ? &it->second : nullptr;
            continue;
        }
        std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        std::string key = AsciiLowerCase(Trim(line.substr(0, equals)));
        std::string_view value = Unquote(Trim(line.substr(equals + 1)));
        current->try_emplace(std::move(key), value.substr(0, std::min(value.size(), kMaxValueLength)));
    }
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
    auto s = sections_.find(AsciiLowerCase(Trim(section)));
    if (s == sections_.end()) return std::nullopt;
    auto k = s->second.find(AsciiLowerCase(Trim(key)));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

std::string ProfileFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
    return Read(section, key).value_or(std::string(fallback));
}

}  // namespace tarnwick
