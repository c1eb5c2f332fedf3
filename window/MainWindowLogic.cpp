#include "window/MainWindowLogic.h"

#include "documents/DocumentFiles.h"
#include "documents/FileAccess.h"
#include "settings/SettingsFormats.h"
#include "settings/SettingsStore.h"
#include "unit/MainUnit.h"

#include <optional>

namespace tarnwick {

namespace {

std::optional<int> ReadInteger(const SettingsKey& key, const char* name) {
    const auto text = key.ReadString(name);
    if (!text) return std::nullopt;
    return ParseSettingInteger(*text);
}

}  // namespace

void ApplyStoredGeometryAndFont(SettingsStore& settings, MainWindowFrame& frame, MainUnit& unit) {
    const auto key = settings.OpenReadOnly();
    if (!key) return;
    if (auto v = ReadInteger(*key, "Left")) frame.SetOuterLeft(*v);
    if (auto v = ReadInteger(*key, "Top")) frame.SetOuterTop(*v);
    if (auto v = ReadInteger(*key, "Width")) frame.SetOuterWidth(*v);
    if (auto v = ReadInteger(*key, "Height")) frame.SetOuterHeight(*v);
    if (auto v = ReadInteger(*key, "Left")) frame.SetOuterLeft(*v);
    if (auto name = key->ReadString("FontName"); name && !name->empty()) unit.MainText.SetFontName(*name);
    if (auto size = ReadInteger(*key, "FontSize"); size && *size > 0) unit.MainText.SetFontSize(*size);
}

// A write that fails is passed over (WriteString reports it and nothing
// throws): it must not keep the window open.
void StoreGeometry(SettingsStore& settings, const MainWindowFrame& frame) {
    const auto key = settings.OpenForWriting();
    if (!key) return;
    key->WriteString("Left", FormatSettingInteger(frame.OuterLeft()));
    key->WriteString("Top", FormatSettingInteger(frame.OuterTop()));
    key->WriteString("Width", FormatSettingInteger(frame.OuterWidth()));
    key->WriteString("Height", FormatSettingInteger(frame.OuterHeight()));
}

CloseDecision CloseStep(MainUnit& unit, DocumentFiles& files, MainWindowFrame& frame,
                        const std::string& scratchScriptPath) {
    if (unit.Settings) StoreGeometry(*unit.Settings, frame);
    if (files.Changed()) {
        switch (unit.Boxes->Confirm(kCloseQuestion)) {
        case Answer::Cancel:
            return CloseDecision::Refuse;
        case Answer::Yes:
            // The scratch script stays and the other windows are left as they are.
            return files.Save() ? CloseDecision::Close : CloseDecision::Refuse;
        case Answer::No:
            break;
        }
    }
    DeleteFileQuietly(scratchScriptPath);
    frame.HideSecondaryWindows();
    return CloseDecision::Close;
}

}  // namespace tarnwick
