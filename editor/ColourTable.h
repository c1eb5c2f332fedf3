#pragma once

#include "editor/Colour.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick {

// The stored colours (with their roles) that the characters of a document
// refer to by a one-byte index. Entries are added as colours appear; two
// entries may come to hold the same colour when a role's colour changes, so
// colours are compared by value, never by index.
class ColourTable {
public:
    static constexpr int kMaxEntries = 256;

    int Size() const { return static_cast<int>(entries_.size()); }
    bool Full() const { return Size() == kMaxEntries; }
    Colour operator[](std::uint8_t index) const { return entries_[index]; }
    const std::vector<Colour>& Entries() const { return entries_; }

    std::optional<std::uint8_t> Find(Colour stored) const;
    // The entry of the colour, added if there is none; nothing when the table is full.
    std::optional<std::uint8_t> FindOrAdd(Colour stored);
    // The entry whose colour looks most like the given one, a same-role entry before any other.
    std::uint8_t Nearest(Colour stored) const;

    // Every entry of the role takes the new stored colour.
    void Renew(ColourRole role, Colour stored);
    void Reset(std::vector<Colour> entries) { entries_ = std::move(entries); last_ = 0; }

private:
    std::vector<Colour> entries_;
    mutable std::uint8_t last_ = 0;  // the entry found last: colours come in runs
};

}  // namespace tarnwick
