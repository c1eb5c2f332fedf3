#pragma once

#include "editor/Colour.h"

#include <functional>

namespace tarnwick {

// A colour value "$FF0000nn" names the system colour number nn (the colour
// text format's clBtnFace is $FF00000F) rather than an RGB value.
constexpr bool IsSystemColour(Colour c) { return (c >> 24) == 0xFFu; }
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFFu); }

// Gives the current RGB value (0x00BBGGRR) of system colour number n.
using SystemColourResolver = std::function<Colour(int index)>;

// The front end tells how the system colours look now; without it they show black.
void SetSystemColourResolver(SystemColourResolver resolver);

}  // namespace tarnwick
