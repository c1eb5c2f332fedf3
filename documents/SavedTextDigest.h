#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnwick {

// The text as last loaded or saved, kept as its length and a 64-bit hash of
// each 64 KiB block rather than as a second copy: a big script would otherwise
// be held twice. It answers only whether a text equals it, which is all the
// "save changes?" questions ask; two texts that differ share every block hash
// by chance once in about 2^64 changed blocks.
class SavedTextDigest {
public:
    SavedTextDigest() = default;
    SavedTextDigest(std::string_view text) { *this = text; }  // NOLINT: taken like the text it stands for

    SavedTextDigest& operator=(std::string_view text);
    void clear() { *this = std::string_view(); }

    friend bool operator==(const SavedTextDigest& saved, std::string_view text);

private:
    std::size_t length_ = 0;
    std::vector<std::uint64_t> blocks_;
};

}  // namespace tarnwick
