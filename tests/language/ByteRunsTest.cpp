#include "language/ByteRuns.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tarnwick::language {
namespace {

// The eight-byte tests against the byte-at-a-time rules: every byte in every
// lane, beside neighbours that would leak a carry or a borrow into it.
TEST(ByteRuns, AgreeWithTheRulesForEveryByteInEveryLane) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    const auto isWord = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    };
    for (const unsigned char neighbour : {' ', 'Z', '_', '\0', '\xFF'}) {
        for (int lane = 0; lane < 8; ++lane) {
            for (int c = 0; c < 256; ++c) {
                unsigned char bytes[8];
                std::memset(bytes, neighbour, sizeof bytes);
                bytes[lane] = static_cast<unsigned char>(c);
                const std::uint64_t v = LoadBytes(reinterpret_cast<const char*>(bytes));
                const std::uint64_t bit = std::uint64_t{0x80} << (8 * lane);
                SCOPED_TRACE(testing::Message() << "byte " << c << " in lane " << lane << " beside " << int(neighbour));
                EXPECT_EQ((BytesEqual(v, ' ') & bit) != 0, c == ' ');
                EXPECT_EQ((LowerBytes(v) >> (8 * lane)) & 0xFF, static_cast<std::uint64_t>(lower(static_cast<unsigned char>(c))));
                if (c < 0x80 && neighbour < 0x80) {
                    EXPECT_EQ((WordBytes(v) & bit) != 0, isWord(static_cast<unsigned char>(c)));
                }
                if (c != neighbour) {
                    EXPECT_EQ(LeadingBytes(BytesEqual(v, static_cast<char>(neighbour))), static_cast<std::size_t>(lane));
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarnwick::language
