#pragma once

#include "editor/Colour.h"
#include "options/ColourSettings.h"
#include "options/ColourSettingsLoader.h"

#include <string>
#include <vector>

namespace tarnwick {

struct MainUnit;
class EditorModel;

inline constexpr const char* kDefaultFontName = "Courier New";
inline constexpr const char* kDefaultFontSize = "10";

// The texts of the font name and size boxes of the Editor Options window. The
// colours of its pickers are the ColourSettings in force, held beside it.
struct FontChoice {
    std::string name;
    std::string size;
    bool operator==(const FontChoice&) const = default;
};

// "8" to "24", in increasing order.
std::vector<std::string> FontSizeChoices();
// The installed families and "Default", sorted alphabetically ignoring case, each once.
std::vector<std::string> FontNameChoices(std::vector<std::string> installed);
// The editor's current font, as the boxes show it when the window is created.
FontChoice CurrentFontChoice(const EditorModel& editor);

// One entry of a colour picker: the twenty colours in their list order, and
// after them, when the colour in force is none of the twenty, that colour
// shown by its value in the colour text format.
struct PickerEntry {
    std::string shownAs;
    Colour value;
    bool operator==(const PickerEntry&) const = default;
};
std::vector<PickerEntry> PickerEntries(Colour current);

// Reset to Default: "Courier New", "10", and the default colours. Nothing is
// stored or applied.
void ResetToDefault(FontChoice& font, ColourSettings& colours);

// Apply: sets the editor's font size, stores the three colours and the font,
// sets the editor's font name, gives every character coloured as a function,
// statement or comment its role's new colour, and renews the applied entries.
// Throws Error when the size is no integer or no size the editor can show
// (before any change) or when a settings write fails (after the size has
// changed; the rest is skipped).
void ApplyEditorOptions(MainUnit& unit, const FontChoice& font, const ColourSettings& colours,
                        AppliedEntries& applied);

}  // namespace tarnwick
