#pragma once

namespace tarnwick {

// Sets a flag for a scope and clears it on every way out, whatever it was on
// entry: Busy and the like are one flag, not a counter.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace tarnwick
