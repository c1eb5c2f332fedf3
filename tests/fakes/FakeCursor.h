#pragma once

#include "unit/Ports.h"

namespace tarnwick::fakes {

// Counts the hourglass showings; `waiting` tells whether one is showing now.
class FakeCursor : public MouseCursor {
public:
    int shown = 0;
    int restored = 0;
    bool waiting() const { return shown > restored; }

    void ShowWait() override { ++shown; }
    void Restore() override { ++restored; }
};

}  // namespace tarnwick::fakes
