#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tarnwick::language {

// The lower-case spellings that a tree's uses of names point into, each
// distinct one stored once: a script of half a million uses has a few thousand
// names. A stored spelling never moves, so a use may keep a view of it for as
// long as the table lives; only the reading that owns the table adds to it.
class NameTable {
public:
    NameTable();
    NameTable(const NameTable&) = delete;
    NameTable& operator=(const NameTable&) = delete;

    // The stored spelling equal to `lower`, stored now if it is new.
    std::string_view Intern(std::string_view lower);

    // The same for a spelling of 1 to 16 bytes, given as its bytes in two words as
    // memcpy loads them, every byte after the spelling's end zero.
    std::string_view InternShort(std::uint64_t first, std::uint64_t second, std::size_t length) {
        const std::uint64_t hash = HashShort(first, second, length);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = Home(hash);; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.length == length && slot.first == first && slot.second == second)
                return {slot.data, length};
            if (slot.data == nullptr) return Add(at, {first, second}, std::string_view(), length);
        }
    }

    static constexpr std::size_t kShort = 16;

private:
    struct Slot {
        std::uint64_t first = 0;  // a short spelling's bytes; zero for a long one
        std::uint64_t second = 0;
        const char* data = nullptr;
        std::size_t length = 0;
    };

    static std::uint64_t HashShort(std::uint64_t first, std::uint64_t second, std::size_t length) {
        constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
        std::uint64_t hash = (first ^ length) * kMultiplier;
        hash = (hash ^ (hash >> 29) ^ second) * kMultiplier;
        return hash ^ (hash >> 32);
    }
    std::size_t Home(std::uint64_t hash) const { return static_cast<std::size_t>(hash) & (slots_.size() - 1); }

    // Stores a new spelling in the empty slot `at`: `words` for a short one, `text` for a long one.
    std::string_view Add(std::size_t at, const std::uint64_t (&words)[2], std::string_view text, std::size_t length);
    const char* Store(const char* bytes, std::size_t length);
    void Grow();
    std::uint64_t HashOf(const Slot& slot) const;

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;  // the unused end of the last block
    std::size_t left_ = 0;
};

}  // namespace tarnwick::language
