#include "language/NameTable.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace tarnwick::language {
namespace {

constexpr std::size_t kFirstSlots = 256;
constexpr std::size_t kBlockBytes = 4096;

std::uint64_t HashLong(std::string_view text) { return std::hash<std::string_view>()(text); }

}  // namespace

NameTable::NameTable() : slots_(kFirstSlots) {}

std::string_view NameTable::Intern(std::string_view lower) {
    if (lower.empty()) return {};
    if (lower.size() <= kShort) {
        std::uint64_t words[2] = {0, 0};
        std::memcpy(words, lower.data(), lower.size());
        return InternShort(words[0], words[1], lower.size());
    }
    const std::uint64_t hash = HashLong(lower);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = Home(hash);; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.data == nullptr) return Add(at, {0, 0}, lower, lower.size());
        if (slot.length == lower.size() && std::memcmp(slot.data, lower.data(), lower.size()) == 0)
            return {slot.data, slot.length};
    }
}

std::string_view NameTable::Add(std::size_t at, const std::uint64_t (&words)[2], std::string_view text,
                                std::size_t length) {
    const bool isShort = length <= kShort;
    const char* data = Store(isShort ? reinterpret_cast<const char*>(words) : text.data(), length);
    slots_[at] = {isShort ? words[0] : 0, isShort ? words[1] : 0, data, length};
    // Kept at most half full, so that a miss ends soon.
    if (++count_ * 2 > slots_.size()) Grow();
    return {data, length};
}

const char* NameTable::Store(const char* bytes, std::size_t length) {
    if (left_ < length) {
        const std::size_t size = std::max(kBlockBytes, length);
        blocks_.push_back(std::make_unique<char[]>(size));
        free_ = blocks_.back().get();
        left_ = size;
    }
    char* const at = free_;
    std::memcpy(at, bytes, length);
    free_ += length;
    left_ -= length;
    return at;
}

std::uint64_t NameTable::HashOf(const Slot& slot) const {
    return slot.length <= kShort ? HashShort(slot.first, slot.second, slot.length)
                                 : HashLong(std::string_view(slot.data, slot.length));
}

void NameTable::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.data == nullptr) continue;
        std::size_t at = Home(HashOf(slot));
        while (slots_[at].data != nullptr) at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

}  // namespace tarnwick::language
