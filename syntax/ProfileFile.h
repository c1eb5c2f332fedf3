#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tarnwick {

// A read-only INI text with the usual profile-file rules: section and key names
// match without regard to case, blanks around names and values are ignored, one
// pair of enclosing double or single quotes is taken off a value, and a value is
// read up to 2047 characters. The first section of a name and the first key of a
// name within it are the ones that count.
class ProfileFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    explicit ProfileFile(std::string_view text);

    // The value, or nullopt when the section or the key is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The value, or `fallback` when the section or the key is missing.
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;

private:
    using Keys = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Keys> sections_;
};

}  // namespace tarnwick
