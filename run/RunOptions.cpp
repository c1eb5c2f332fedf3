#include "run/RunOptions.h"

#include "settings/SettingsStore.h"

#include <algorithm>
#include <cctype>

namespace tarnwick {

const std::array<const char*, kRunOptionCount> kRunOptionItems = {
    "//?",    "//B",    "//D", "//E:engine", "//H:CScript ", "//H:Wscript", "//I",
    "//Job:<JobID>", "//logo", "//nologo", "//S", "//T:nn", "//U",
};

namespace {

const std::array<const char*, kRunOptionCount> kItemDescriptions = {
    "Displays a brief description of and usage information for command parameters (the usage information).",
    "Batch mode; suppresses command-line display of user prompts and script errors. Default is Interactive mode.",
    "Turns on the debugger.",
    "Executes the script with the specified script engine.",
    "Registers CScript.exe as the default application for running scripts. If neither (//H:CScript) or "
    "(//H:Wscript) is specified, WScript.exe is assumed as the default.",
    "Registers WScript.exe as the default application for running scripts. If neither (//H:CScript) or "
    "(//H:Wscript) is specified, WScript.exe is assumed as the default.",
    "Default. Interactive mode; allows display of user prompts and script errors Opposite of Batch mode.",
    "Runs the specified JobID from the .wsf file.",
    "Default. Displays a banner. Opposite of nologo.",
    "Prevents display of an execution banner at run time. Default is logo.",
    "Saves the current command-line options for this user.",
    "You must Change The (nn) value to a specified number of secondes by clicking on the (Manual Edit) button "
    "to edit the parameters.This will set the maximum number of seconds the script can run. The default is no "
    "limit. ",
    "Used with Windows NT and Windows 2000 to force the command line output to be in Unicode. There is no way for "
    "CScript to determine whether to output in Unicode or ANSI; it defaults to ANSI.",
};

// Replaces the first occurrence of `word`, found ignoring ASCII case.
std::string ReplaceFirstIgnoringCase(std::string text, std::string_view word, std::string_view by) {
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    const auto hit = std::search(text.begin(), text.end(), word.begin(), word.end(),
                                 [&](char a, char b) { return lower(a) == lower(b); });
    if (hit != text.end()) text.replace(static_cast<std::size_t>(hit - text.begin()), word.size(), by);
    return text;
}

}  // namespace

const char* const kDefaultCheckExplanation =
    "Make this options the default setting. So, when you click (Run) on the toolbar the script will be excuted "
    "with these settings without showing this windows. But you can also change this settings later by clicking "
    "on (Run) from the menu then click on (Run).";

std::string GetItemDescription(int index) {
    if (index < 0 || index >= kRunOptionCount) return {};
    return kItemDescriptions[static_cast<std::size_t>(index)];
}

std::string RebuildTemplate(std::string_view host, const RunOptionTicks& ticks) {
    std::string options;
    for (int i = 0; i < kRunOptionCount; ++i)
        if (ticks[static_cast<std::size_t>(i)]) (options += ' ') += kRunOptionItems[static_cast<std::size_t>(i)];
    std::string result = " ";
    result += host;
    result += ' ';
    result += options;
    result += " ";
    result += kFilePathPlaceholder;
    return result;
}

std::string ChooseHost(std::string_view commandTemplate, std::string_view host) {
    return ReplaceFirstIgnoringCase(ReplaceFirstIgnoringCase(std::string(commandTemplate), "wscript", host),
                                    "cscript", host);
}

void StoreRunDefault(SettingsStore& settings, bool ticked, const std::string& commandTemplate) {
    auto key = settings.OpenForWriting();
    WriteSettingOrThrow(key.get(), kRunDefaultValue, ticked ? commandTemplate : std::string());
}

}  // namespace tarnwick
