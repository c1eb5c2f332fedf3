#include "options/ColourSettingsLoader.h"

#include "app/SettingsFormats.h"
#include "app/SettingsStore.h"

#include <iterator>

namespace tarnwick {

// Positions 1 to 10 are the left column of the list, 11 to 20 the right one.
const ColourChoice kColourChoices[20] = {
    {"Black", "clBlack", 0x00000000},
    {"Maroon", "clMaroon", 0x00000080},
    {"Green", "clGreen", 0x00008000},
    {"Olive", "clOlive", 0x00008080},
    {"Navy", "clNavy", 0x00800000},
    {"Purple", "clPurple", 0x00800080},
    {"Teal", "clTeal", 0x00808000},
    {"Gray", "clGray", 0x00808080},
    {"Money Green", "clMoneyGreen", 0x00C0DCC0},
    {"Cream", "clCream", 0x00F0FBFF},
    {"Silver", "clSilver", 0x00C0C0C0},
    {"Red", "clRed", 0x000000FF},
    {"Lime", "clLime", 0x0000FF00},
    {"Yellow", "clYellow", 0x0000FFFF},
    {"Blue", "clBlue", 0x00FF0000},
    {"Fuchsia", "clFuchsia", 0x00FF00FF},
    {"Aqua", "clAqua", 0x00FFFF00},
    {"White", "clWhite", 0x00FFFFFF},
    {"Sky Blue", "clSkyBlue", 0x00F0CAA6},
    {"Medium Gray", "clMedGray", 0x00A4A0A0},
};

std::optional<int> ColourChoiceIndex(Colour colour) {
    for (int i = 0; i < static_cast<int>(std::size(kColourChoices)); ++i)
        if (kColourChoices[i].value == colour) return i;
    return std::nullopt;
}

ColourSettings LoadColourSettings(SettingsStore& store) {
    ColourSettings colours;  // the defaults: navy, navy, green
    auto key = store.OpenReadOnly();
    if (!key) return colours;
    auto read = [&](const char* name, Colour& colour) {
        std::optional<std::string> text = key->ReadString(name);
        if (!text || text->empty()) return;
        if (std::optional<Colour> parsed = ParseSettingColour(*text)) colour = *parsed;
    };
    read(kFunctionsColourValue, colours.functions);
    read(kStatementsColourValue, colours.statements);
    read(kCommentsColourValue, colours.comments);
    return colours;
}

Colour ResolvedColour(Colour colour) { return DisplayedColour(colour) & 0x00FFFFFFu; }

std::string ColourEntry(Colour colour) {
    const Colour rgb = ResolvedColour(colour);
    return "\\red" + std::to_string(RedOf(rgb)) + "\\green" + std::to_string(GreenOf(rgb)) + "\\blue" +
           std::to_string(BlueOf(rgb)) + ";";
}

AppliedEntries AppliedEntriesOf(const ColourSettings& colours) {
    return {ColourEntry(colours.functions), ColourEntry(colours.statements), ColourEntry(colours.comments)};
}

std::string ColourTableLine(const ColourSettings& colours) {
    return "{\\colortbl;" + ColourEntry(colours.functions) + ColourEntry(colours.statements) +
           ColourEntry(colours.comments) + "}";
}

std::optional<std::string> CommandLineFileToOpen(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || arguments[1].empty()) return std::nullopt;
    return arguments[1];
}

}  // namespace tarnwick
