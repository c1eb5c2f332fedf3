#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tarnwick::language {

// Eight bytes tested at once, one bit (the high bit of each byte) per byte: the
// scanner's commonest runs, spaces and the letters of a name, are measured without
// a branch per byte.
constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Full;

constexpr std::uint64_t ZeroBytes(std::uint64_t v) { return ~(((v & kLowBits) + kLowBits) | v) & kHighBits; }
constexpr std::uint64_t BytesEqual(std::uint64_t v, char c) {
    return ZeroBytes(v ^ (kOnes * static_cast<unsigned char>(c)));
}
// For bytes below 0x80: those at or above `c`.
constexpr std::uint64_t BytesAtLeast(std::uint64_t v, unsigned char c) { return ((v | kHighBits) - kOnes * c) & kHighBits; }
constexpr std::uint64_t BytesBetween(std::uint64_t v, unsigned char low, unsigned char high) {
    return BytesAtLeast(v, low) & ~BytesAtLeast(v, static_cast<unsigned char>(high + 1));
}
// The letters A-Z made lower case; every other byte kept.
constexpr std::uint64_t LowerBytes(std::uint64_t v) { return v | ((BytesBetween(v, 'A', 'Z') & ~v) >> 2); }
// For ASCII bytes: letters, digits and "_", the bytes of a name.
constexpr std::uint64_t WordBytes(std::uint64_t v) {
    return BytesBetween(v | (kOnes * 0x20), 'a', 'z') | BytesBetween(v, '0', '9') | BytesEqual(v, '_');
}
// How many of the first bytes have their bit set in `bits`.
inline std::size_t LeadingBytes(std::uint64_t bits) {
    return static_cast<std::size_t>(std::countr_zero(~bits & kHighBits)) / 8;
}

// The eight bytes at `at`, the first in the lowest byte; the caller makes sure eight are there.
inline std::uint64_t LoadBytes(const char* at) {
    std::uint64_t v;
    std::memcpy(&v, at, sizeof v);
    if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
    return v;
}

}  // namespace tarnwick::language
