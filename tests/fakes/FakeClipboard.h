#pragma once

#include "unit/Ports.h"

#include <string>

namespace tarnwick::fakes {

// A clipboard held in memory; counts the reads and writes.
class FakeClipboard : public Clipboard {
public:
    std::string text;
    mutable int reads = 0;
    int writes = 0;

    std::string Text() const override {
        ++reads;
        return text;
    }
    void SetText(const std::string& value) override {
        ++writes;
        text = value;
    }
};

}  // namespace tarnwick::fakes
