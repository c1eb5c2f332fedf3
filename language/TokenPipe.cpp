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
    // Each side wakes the other only when its wait is over, so neither wakes to sleep again.
    if (Released() >= wakeAt_) {
        wakeAt_ = kNotWaiting;
        room_.notify_one();
    }
    if (read_ <= index) {
        readableAt_ = index + kRefill;
        readable_.wait(lock, [&] { return read_ >= index + kRefill || (ended_ && read_ > index) || failure_; });
    }
    if (read_ <= index && failure_) std::rethrow_exception(failure_);
    return blocks_[index % kBlocks];
}

void TokenPipe::Produce() {
    // While the reader waits for kRefill blocks from `index` on, it also holds the block before them.
    static_assert(kRefill + kHeld - 1 <= kBlocks, "a reader waiting for blocks leaves room to read them");
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
        try {
            block.count = fill_(block.tokens.data() + kKept, kBlockTokens, block.errors);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
            readable_.notify_one();
            return;
        }
        const bool end = block.tokens[kKept + block.count - 1].kind == TokenKind::EndOfText;
        const std::lock_guard lock(mutex_);
        read_ = index + 1;
        ended_ = end;
        if (read_ >= readableAt_ || end) {
            readableAt_ = kNotWaiting;
            readable_.notify_one();
        }
        if (end) return;
    }
}

}  // namespace tarnwick::language
