#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarnwick::host {

// What the command line asks of the host. Host options start with "//" and
// may stand anywhere; the first other word is the script, the rest its arguments.
struct HostOptions {
    bool windowed = false;    // stands in for wscript: message boxes, no console
    bool batch = false;       // //B: no prompts, no message boxes
    bool logo = false;        // //logo: a banner first
    bool unicode = false;     // //U: UTF-16 LE on pipes and files
    bool usage = false;       // //?
    long timeoutSeconds = 0;  // //T:nn; 0 is no limit
    std::wstring script;
    std::vector<std::wstring> arguments;
    std::vector<std::wstring> notes;  // options accepted but without effect here
};

// An option the host will not run with, and why, in one sentence.
struct OptionRefusal {
    std::wstring option;
    std::wstring reason;
};

std::variant<HostOptions, OptionRefusal> ParseHostOptions(const std::vector<std::wstring>& words);

// The usage text that //? prints.
const wchar_t* UsageText();

}  // namespace tarnwick::host
