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
// to what it shows now (SystemColours.h). A role (below) is no part of it.
Colour DisplayedColour(Colour c);

// What the colouring coloured a character as. The model keeps the role in the
// high byte of the character's stored colour, so that a role's colour can be
// changed later even where two roles share one colour value.
enum class ColourRole : std::uint8_t { None = 0, Functions = 1, Statements = 2, Comments = 3 };

// The stored form of a role's colour: the RGB value it shows, with the role in the high byte.
inline Colour WithRole(Colour c, ColourRole role) {
    return DisplayedColour(c) | (static_cast<Colour>(role) << 24);
}
constexpr ColourRole RoleOf(Colour stored) {
    const Colour high = stored >> 24;
    return high >= 1 && high <= 3 ? static_cast<ColourRole>(high) : ColourRole::None;
}
// A stored colour without its role: the value a colour setting compares with.
constexpr Colour PlainColour(Colour stored) {
    return RoleOf(stored) == ColourRole::None ? stored : stored & 0x00FFFFFFu;
}

}  // namespace tarnwick
