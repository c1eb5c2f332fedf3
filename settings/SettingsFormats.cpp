#include "settings/SettingsFormats.h"

#include "editor/Ansi.h"
#include "editor/SystemColours.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace tarnwick {

std::optional<int> ParseSettingInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t digitsFrom = text[0] == '-' ? 1 : 0;
    if (digitsFrom == text.size()) return std::nullopt;
    for (std::size_t i = digitsFrom; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseTypedInteger(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return std::nullopt;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    int base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16, at += 1;
    } else if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") {
        base = 16, at += 2;
    }
    if (at == text.size()) return std::nullopt;
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : 0x80000000u;  // beyond it the value overflows
    for (; at < text.size(); ++at) {
        const char c = text[at];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    if (base == 10 && !negative && magnitude == limit) return std::nullopt;
    const auto value = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::string FormatSettingInteger(int value) { return std::to_string(value); }

namespace {

// A colour value's highest byte is zero for an RGB value and $FF for a system
// colour; anything else is no colour (and would clash with the colour roles
// the editor keeps in that byte).
std::optional<Colour> ColourValue(std::uint64_t value) {
    Colour colour = static_cast<Colour>(value);
    if ((colour >> 24) != 0 && !(IsSystemColour(colour) && (colour & 0x00FFFF00u) == 0)) return std::nullopt;
    return colour;
}

}  // namespace

std::optional<Colour> ParseSettingColour(std::string_view text) {
    std::string lower = AnsiLowerCase(text);
    for (const NamedColour& named : kNamedColours)
        if (AnsiLowerCase(named.identifier) == lower) return named.value;
    if (text.size() >= 2 && text[0] == '$') {
        std::uint64_t value = 0;
        std::string_view hex = text.substr(1);
        if (hex.size() > 8) return std::nullopt;
        auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (error != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
        return ColourValue(value);
    }
    std::optional<int> number = ParseSettingInteger(text);
    if (!number) return std::nullopt;
    return ColourValue(static_cast<std::uint32_t>(*number));
}

std::string FormatSettingColour(Colour colour) {
    for (const NamedColour& named : kNamedColours)
        if (named.value == colour) return named.identifier;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(colour));
    return buffer;
}

}  // namespace tarnwick
