#pragma once

#include "editor/Colour.h"
#include "options/ColourSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class SettingsStore;

// The settings values of the three colour pickers.
inline constexpr const char* kFunctionsColourValue = "ccFunctions";
inline constexpr const char* kStatementsColourValue = "ccStatements";
inline constexpr const char* kCommentsColourValue = "ccComments";

// One of the twenty colours the pickers offer, in their list order.
struct ColourChoice {
    const char* shownAs;
    const char* identifier;  // the name the colour is stored under
    Colour value;
};
extern const std::array<ColourChoice, 20> kColourChoices;
// The list position (0-based) of a colour, or nullopt when it is none of the twenty.
std::optional<int> ColourChoiceIndex(Colour colour);

// Reads "ccFunctions", "ccStatements" and "ccComments", in this order, from one
// read-only opening of the settings key. A value that is missing, empty or not
// a colour gives the default of its picker; reading never fails.
ColourSettings LoadColourSettings(SettingsStore& store);

// The colour's RGB value: a system colour (the window-text colour) resolved to
// what it shows.
Colour ResolvedColour(Colour colour);

// "\red" R "\green" G "\blue" B ";" with the components in decimal.
std::string ColourEntry(Colour colour);

// The colour entries the document's RTF is taken to hold, which Apply looks
// for when it changes colours. Computed at creation and replaced by every Apply.
struct AppliedEntries {
    std::string functions;
    std::string statements;
    std::string comments;
    bool operator==(const AppliedEntries&) const = default;
};
AppliedEntries AppliedEntriesOf(const ColourSettings& colours);

// "{\colortbl;" and the entries of the functions, statements and comments
// colours, in this order, and "}": colours 1 to 3 of the whole-document colouring.
std::string ColourTableLine(const ColourSettings& colours);

// The path of the file named on the command line: the first argument after the
// program's own path, when it is not empty. It is opened last when the options
// window is created, so that it is coloured with the loaded colours.
std::optional<std::string> CommandLineFileToOpen(const std::vector<std::string>& arguments);

}  // namespace tarnwick
