#pragma once

#include "editor/Colour.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Integers: plain decimal digits with an optional leading minus sign.
std::optional<int> ParseSettingInteger(std::string_view text);
// A number typed into a box, read as the platform's integer reader reads it:
// leading blanks, a sign, and hexadecimal after "$" or "0x" are taken; nothing
// may follow the digits. A 32-bit value; eight hexadecimal digits may give a
// negative one ("$FFFFFFFF" is -1).
std::optional<int> ParseTypedInteger(std::string_view text);
std::string FormatSettingInteger(int value);

// Colours: one of the twenty identifiers (any letter case), "$" and hex
// digits, or a decimal integer; written as the identifier or "$" and eight
// upper-case hex digits.
std::optional<Colour> ParseSettingColour(std::string_view text);
std::string FormatSettingColour(Colour colour);

struct NamedColour {
    const char* identifier;
    Colour value;
};
// The twenty named colours in the colour boxes' order.
inline constexpr NamedColour kNamedColours[] = {
    {"clBlack", 0x00000000},  {"clMaroon", 0x00000080}, {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},  {"clNavy", 0x00800000},   {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},   {"clGray", 0x00808080},   {"clMoneyGreen", 0x00C0DCC0},
    {"clCream", 0x00F0FBFF},  {"clSilver", 0x00C0C0C0}, {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},   {"clYellow", 0x0000FFFF}, {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00},  {"clWhite", 0x00FFFFFF},
    {"clSkyBlue", 0x00F0CAA6}, {"clMedGray", 0x00A4A0A0},
};

}  // namespace tarnwick
