#include "run/ScriptRunner.h"

#include "editor/EditorModel.h"
#include "run/CommandLine.h"
#include "run/RunOptions.h"
#include "settings/SettingsStore.h"
#include "unit/MainUnit.h"

namespace tarnwick {

std::string ScratchScriptBytes(const EditorModel& document, TextEncoding encoding) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(document.Length()) + 2);
    for (int i = 0, count = document.LineCount(); i < count; ++i) (bytes += document.Line(i)) += "\r\n";
    if (encoding == TextEncoding::Ansi) return bytes;
    return EncodeFileBytes(bytes, TextEncoding::Utf16Le);
}

std::string FormCommand(std::string_view commandTemplate, const std::string& scratchScriptPath) {
    std::string command(commandTemplate);
    const std::size_t at = command.find(kFilePathPlaceholder);
    if (at != std::string::npos) command.replace(at, kFilePathPlaceholder.size(), " " + QuoteArgument(scratchScriptPath));
    return command;
}

std::string RunCommandTemplate(MainUnit& unit, std::string_view commandTemplate,
                               const std::string& scratchScriptPath) {
    const std::string command = FormCommand(commandTemplate, scratchScriptPath);
    unit.Files->Replace(scratchScriptPath, ScratchScriptBytes(unit.MainText, unit.Encoding), NewFileAccess::Private);
    if (unit.Processes) unit.Processes->Start(command);
    return command;
}

std::optional<std::string> mRunDefaultClick(MainUnit& unit, const std::string& scratchScriptPath,
                                            const std::function<void()>& showRunOptions) {
    std::optional<std::string> stored;
    if (unit.Settings) stored = unit.Settings->OpenReadOnly()->ReadString(kRunDefaultValue);
    if (!stored || stored->empty()) {
        unit.Boxes->ErrorMessage(kNoRunDefault);
        if (showRunOptions) showRunOptions();
        return std::nullopt;
    }
    return RunCommandTemplate(unit, *stored, scratchScriptPath);
}

}  // namespace tarnwick
