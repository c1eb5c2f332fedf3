#include "options/ColourSettingsLoader.h"

#include "settings/SettingsFormats.h"
#include "settings/SettingsStore.h"

#include <iterator>

namespace tarnwick {

namespace {

// What the pickers show for each of the twenty named colours, in their order.
constexpr const char* kShownNames[] = {
    "Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Money Green", "Cream",
    "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White", "Sky Blue", "Medium Gray",
};
static_assert(std::size(kShownNames) == std::size(kNamedColours));

constexpr std::array<ColourChoice, 20> MakeColourChoices() {
    std::array<ColourChoice, 20> choices{};
    for (std::size_t i = 0; i < choices.size(); ++i)
        choices[i] = {kShownNames[i], kNamedColours[i].identifier, kNamedColours[i].value};
    return choices;
}

}  // namespace

// Positions 1 to 10 are the left column of the list, 11 to 20 the right one.
const std::array<ColourChoice, 20> kColourChoices = MakeColourChoices();

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
