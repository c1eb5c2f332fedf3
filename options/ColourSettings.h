#pragma once

#include "editor/Colour.h"

#include <string>

namespace tarnwick {

// The three syntax colours in force: what the colour pickers of the Editor
// Options window show at this moment. Colouring reads them when it colours.
struct ColourSettings {
    Colour functions = 0x00800000;   // navy
    Colour statements = 0x00800000;  // navy
    Colour comments = 0x00008000;    // green
    bool operator==(const ColourSettings&) const = default;
};

}  // namespace tarnwick
