#include "documents/SavedTextDigest.h"

#include <algorithm>
#include <functional>

namespace tarnwick {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

std::uint64_t BlockHash(std::string_view text, std::size_t block) {
    return std::hash<std::string_view>{}(text.substr(block * kBlock, kBlock));
}

}  // namespace

SavedTextDigest& SavedTextDigest::operator=(std::string_view text) {
    length_ = text.size();
    blocks_.assign((text.size() + kBlock - 1) / kBlock, 0);
    for (std::size_t b = 0; b < blocks_.size(); ++b) blocks_[b] = BlockHash(text, b);
    return *this;
}

bool operator==(const SavedTextDigest& saved, std::string_view text) {
    if (text.size() != saved.length_) return false;
    for (std::size_t b = 0; b < saved.blocks_.size(); ++b)
        if (BlockHash(text, b) != saved.blocks_[b]) return false;
    return true;
}

}  // namespace tarnwick
