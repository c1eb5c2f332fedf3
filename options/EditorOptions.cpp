#include "options/EditorOptions.h"

#include "editor/Ansi.h"
#include "settings/SettingsFormats.h"
#include "settings/SettingsStore.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <algorithm>
#include <iterator>

namespace tarnwick {

std::vector<std::string> FontSizeChoices() {
    std::vector<std::string> sizes;
    for (int size = 8; size <= 24; ++size) sizes.push_back(std::to_string(size));
    return sizes;
}

std::vector<std::string> FontNameChoices(std::vector<std::string> installed) {
    installed.emplace_back(kSystemFixedFontName);
    auto key = [](const std::string& name) { return AnsiLowerCase(name); };
    std::sort(installed.begin(), installed.end(),
              [&](const std::string& a, const std::string& b) { return key(a) < key(b) || (key(a) == key(b) && a < b); });
    installed.erase(std::unique(installed.begin(), installed.end()), installed.end());
    return installed;
}

FontChoice CurrentFontChoice(const EditorModel& editor) {
    return {editor.FontName(), FormatSettingInteger(editor.FontSize())};
}

std::vector<PickerEntry> PickerEntries(Colour current) {
    std::vector<PickerEntry> entries;
    for (const ColourChoice& choice : kColourChoices) entries.push_back({choice.shownAs, choice.value});
    if (!ColourChoiceIndex(current)) entries.push_back({FormatSettingColour(current), current});
    return entries;
}

void ResetToDefault(FontChoice& font, ColourSettings& colours) {
    font = {kDefaultFontName, kDefaultFontSize};
    colours = ColourSettings{};
}

void ApplyEditorOptions(MainUnit& unit, const FontChoice& font, const ColourSettings& colours,
                        AppliedEntries& applied) {
    const std::optional<int> size = ParseTypedInteger(font.size);
    if (!size) throw Error("'" + font.size + "' is not a valid integer value");
    if (*size < 1 || *size > kMaxFontSize)
        throw Error("'" + font.size + "' is no font size the editor can show: sizes go from 1 to " +
                    std::to_string(kMaxFontSize) + " points");
    EditorModel& editor = unit.MainText;
    editor.SetFontSize(*size);

    {
        const auto key = unit.Settings ? unit.Settings->OpenForWriting() : nullptr;
        WriteSettingOrThrow(key.get(), kFunctionsColourValue, FormatSettingColour(colours.functions));
        WriteSettingOrThrow(key.get(), kStatementsColourValue, FormatSettingColour(colours.statements));
        WriteSettingOrThrow(key.get(), kCommentsColourValue, FormatSettingColour(colours.comments));
        // The font is read at start-up; storing it here keeps the choice for the next run.
        // An empty name leaves the editor's face, so that face is what is stored.
        WriteSettingOrThrow(key.get(), "FontName", font.name.empty() ? editor.FontName() : font.name);
        WriteSettingOrThrow(key.get(), "FontSize", FormatSettingInteger(editor.FontSize()));
    }

    // A name that is not installed is kept as typed; the view falls back to a near font.
    editor.SetFontName(font.name);
    // Each role takes its own new colour, even where two roles showed the same one.
    UpdateBracket noRepaint(editor);
    editor.SetRoleColour(ColourRole::Functions, colours.functions);
    editor.SetRoleColour(ColourRole::Statements, colours.statements);
    editor.SetRoleColour(ColourRole::Comments, colours.comments);
    applied = AppliedEntriesOf(colours);
}

}  // namespace tarnwick
