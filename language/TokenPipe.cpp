#include "language/TokenPipe.h"

namespace tarnwick::language {

TokenPipe::TokenPipe(Fill fill)
    : fill_(std::move(fill)), blocks_(std::make_unique<Block[]>(kBlocks)), thread_([this] { Produce(); }) {}

TokenPipe::~TokenPipe() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    room_.notify_one();
    thread_.join();
}

TokenPipe::Block& TokenPipe::Next() {
    std::unique_lock lock(mutex_);
    const std::uint64_t index = taken_++;
    // Woken only when its wait is over, the thread never wakes to sleep again.
    const bool wake = Released() >= wakeAt_;
    if (wake) wakeAt_ = kNotWaiting;
    readable_.wait(lock, [&] { return read_ > index; });
    lock.unlock();
    if (wake) room_.notify_one();
    return blocks_[index % kBlocks];
}

void TokenPipe::Produce() {
    static_assert(kRefill + kHeld <= kBlocks, "a reader waiting for a block lets the thread read it");
    for (std::uint64_t index = 0;; ++index) {
        {
            std::unique_lock lock(mutex_);
            // Block `index` may be read into once the reader has given back block `index - kBlocks`.
            if (!stop_ && index >= kBlocks + Released()) {
                wakeAt_ = index - kBlocks + kRefill;
                room_.wait(lock, [&] { return stop_ || Released() >= index - kBlocks + kRefill; });
            }
            if (stop_) return;
        }
        Block& block = blocks_[index % kBlocks];
        block.count = fill_(block.tokens.data() + kKept, kBlockTokens, block.errors);
        const bool end = block.tokens[kKept + block.count - 1].kind == TokenKind::EndOfText;
        {
            const std::lock_guard lock(mutex_);
            read_ = index + 1;
        }
        readable_.notify_one();
        if (end) return;
    }
}

}  // namespace tarnwick::language
