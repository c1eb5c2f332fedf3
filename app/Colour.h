#pragma once

#include <cstdint>

namespace tarnwick {

// A colour value laid out as 0x00BBGGRR: red in the lowest byte.
using Colour = std::uint32_t;

// The control's own text colour (the system's window-text colour), which is
// what plain text loaded from a file carries. It is no RGB value: the high
// byte is set, which no 0x00BBGGRR colour has.
inline constexpr Colour kWindowTextColour = 0xFF000000u;

inline constexpr Colour kBlack = 0x00000000u;

constexpr Colour RgbColour(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(Colour c) { return c & 0xFFu; }
constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFFu; }

// The RGB value a painter or printer shows for a stored colour value: the
// control's text colour is black, and a system colour ($FF0000nn) is resolved
// to what it shows now (SystemColours.h).
Colour DisplayedColour(Colour c);

}  // namespace tarnwick
