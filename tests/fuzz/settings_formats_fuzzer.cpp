// The settings value parsers on any text: what they accept is written back as
// a text they read as the same value, and what they refuse is no value.
#include "settings/FileSettingsStore.h"
#include "settings/SettingsFormats.h"
#include "tests/fuzz/FuzzCheck.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

using namespace tarnwick;

namespace {

// An optional minus sign and decimal digits, whose value fits an int.
bool IsSettingInteger(std::string_view text) {
    const std::size_t from = !text.empty() && text[0] == '-' ? 1 : 0;
    if (from == text.size()) return false;
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && value >= INT32_MIN && value <= INT32_MAX;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::optional<int> number = ParseSettingInteger(text);
    FUZZ_CHECK(number.has_value() == IsSettingInteger(text));
    if (number) FUZZ_CHECK(ParseSettingInteger(FormatSettingInteger(*number)) == number);

    if (const std::optional<Colour> colour = ParseSettingColour(text))
        FUZZ_CHECK(ParseSettingColour(FormatSettingColour(*colour)) == colour);

    // Any four bytes as a value: written and read back unchanged.
    if (size >= 4) {
        std::int32_t raw;
        std::memcpy(&raw, data, 4);
        FUZZ_CHECK(ParseSettingInteger(FormatSettingInteger(raw)) == raw);
        // An RGB value (highest byte zero) or a system colour ($FF0000nn) reads back;
        // any other highest byte is no colour at all.
        const auto colour = static_cast<Colour>(raw);
        const bool isColour = (colour >> 24) == 0 || (colour & 0xFFFFFF00u) == 0xFF000000u;
        const std::optional<Colour> back = ParseSettingColour(FormatSettingColour(colour));
        FUZZ_CHECK(isColour ? back == colour : !back.has_value());
    }

    // A value in the settings file keeps to its line and reads back as written.
    const std::string escaped = EscapeSettingValue(text);
    FUZZ_CHECK(escaped.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(escaped.empty() || (escaped.front() != ' ' && escaped.back() != ' '));
    FUZZ_CHECK(UnescapeSettingValue(escaped) == text);
    return 0;
}
