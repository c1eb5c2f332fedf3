#pragma once

#include "language/Lexer.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tarnwick::language {

// Tokens read ahead on a thread of their own, in blocks from a small fixed
// pool, so that memory stays bounded and the blocks stay in the cache. The
// reader takes the blocks in order; it may drop the pipe at any moment.
class TokenPipe {
public:
    static constexpr std::size_t kBlockTokens = 4096;
    // Room before a block's tokens for the token before and the current one, kept
    // from the block before, so that the reader's window can be the block itself.
    static constexpr std::size_t kKept = 2;
    struct Block {
        std::array<Token, kKept + kBlockTokens> tokens;
        std::size_t count = 0;                     // read into tokens[kKept] on
        std::vector<PendingErrors::Entry> errors;  // what reading them found
    };
    // Writes the next tokens to `out`, up to `capacity`, moves the errors their
    // reading found to `errors` and returns their count; the last is EndOfText.
    using Fill = std::function<std::size_t(Token* out, std::size_t capacity, std::vector<PendingErrors::Entry>& errors)>;

    // Starts the thread; throws std::system_error when none can start.
    explicit TokenPipe(Fill fill);
    // Stops the thread, also in the middle of the text, and waits for it.
    ~TokenPipe();
    TokenPipe(const TokenPipe&) = delete;
    TokenPipe& operator=(const TokenPipe&) = delete;

    // The next block, waiting until it is read. The block given before the one
    // given last goes back to the pool: the reader may still look at the last
    // block's tokens while it moves into this one. What reading it threw (no
    // memory left) is thrown here, to the reader, as reading inline would.
    Block& Next();

private:
    void Produce();
    // The blocks the reader has given back, all read into again or free. Under mutex_.
    std::uint64_t Released() const { return taken_ > kHeld ? taken_ - kHeld : 0; }

    static constexpr std::uint64_t kBlocks = 6;
    static constexpr std::uint64_t kHeld = 2;  // by the reader: the block it reads and the one before
    // The thread, finding the pool full, waits until this many blocks are free; the
    // reader, finding nothing to read, until this many are read: on a busy machine,
    // where both threads may share one core, each switch then goes for several blocks.
    static constexpr std::uint64_t kRefill = 3;
    static constexpr std::uint64_t kNotWaiting = static_cast<std::uint64_t>(-1);
    Fill fill_;
    std::unique_ptr<Block[]> blocks_;
    std::mutex mutex_;
    std::condition_variable readable_;  // a block was read
    std::condition_variable room_;      // a block went back to the pool, or the pipe stops
    std::uint64_t read_ = 0;            // blocks read; this and the rest up to thread_ under mutex_
    std::uint64_t taken_ = 0;           // blocks given to the reader
    std::uint64_t wakeAt_ = kNotWaiting;      // the Released() the thread waits for
    std::uint64_t readableAt_ = kNotWaiting;  // the read_ the reader waits for
    bool ended_ = false;                      // the last block, with EndOfText, is read
    std::exception_ptr failure_;              // what stopped the thread before the text's end
    bool stop_ = false;
    std::thread thread_;                // last: it starts once all else is ready
};

}  // namespace tarnwick::language
