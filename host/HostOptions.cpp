#include "host/HostOptions.h"

#include <cwctype>

namespace tarnwick::host {

namespace {

std::wstring Lowered(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool IsSeconds(const std::wstring& text) {
    if (text.empty() || text.size() > 5) return false;
    for (wchar_t c : text)
        if (c < L'0' || c > L'9') return false;
    return true;
}

// Applies one host option; an empty result accepts it.
std::optional<std::wstring> Apply(const std::wstring& word, HostOptions& options) {
    const std::wstring option = Lowered(word.substr(2));
    const std::wstring::size_type colon = option.find(L':');
    const std::wstring name = option.substr(0, colon);
    const std::wstring value = colon == std::wstring::npos ? std::wstring() : word.substr(2 + colon + 1);
    const bool hasValue = colon != std::wstring::npos;
    if (option == L"?") options.usage = true;
    else if (option == L"b") options.batch = true;
    else if (option == L"i") options.batch = false;
    else if (option == L"logo") options.logo = true;
    else if (option == L"nologo") options.logo = false;
    else if (option == L"u") options.unicode = true;
    else if (option == L"wscript") options.windowed = true;
    else if (option == L"cscript") options.windowed = false;
    else if (option == L"d" || option == L"x")
        return L"this host has no script debugger; run the script without it";
    else if (name == L"e" && hasValue) {
        const std::wstring engine = Lowered(value);
        if (engine != L"vbscript" && engine != L"vbs") return L"this host runs VBScript only";
    } else if (name == L"h" && hasValue) {
        const std::wstring host = Lowered(value);
        if (host != L"cscript" && host != L"wscript") return L"the default host is either cscript or wscript";
        options.notes.push_back(L"option \"" + word + L"\" ignored: this host does not register a default host");
    } else if (option == L"s") {
        options.notes.push_back(L"option \"" + word + L"\" ignored: this host keeps no saved options");
    } else if (name == L"job" && hasValue) {
        return L"jobs belong to .wsf files, and this host runs .vbs scripts only";
    } else if (name == L"t" && hasValue) {
        if (!IsSeconds(value)) return L"the time limit must be a whole number of seconds, such as //T:30";
        options.timeoutSeconds = std::stol(value);
        if (options.timeoutSeconds > 32767) return L"the time limit can be at most 32767 seconds";
    } else {
        return L"it is not a host option";
    }
    return std::nullopt;
}

}  // namespace

std::variant<HostOptions, OptionRefusal> ParseHostOptions(const std::vector<std::wstring>& words) {
    HostOptions options;
    bool haveScript = false;
    for (const std::wstring& word : words) {
        if (word.size() >= 2 && word[0] == L'/' && word[1] == L'/') {
            if (auto refusal = Apply(word, options)) return OptionRefusal{word, *refusal};
        } else if (!haveScript) {
            options.script = word;
            haveScript = true;
        } else {
            options.arguments.push_back(word);
        }
    }
    return options;
}

const wchar_t* UsageText() {
    return L"Usage: tarnwick-host.exe [host options] script.vbs [arguments]\r\n"
           L"\r\n"
           L"Host options:\r\n"
           L" //B         Batch mode: no message boxes, no prompts\r\n"
           L" //I         Interactive mode (the default)\r\n"
           L" //logo      Show a banner first\r\n"
           L" //nologo    No banner (the default)\r\n"
           L" //T:nn      Stop the script after nn seconds\r\n"
           L" //U         Write UTF-16 instead of UTF-8 to pipes and files\r\n"
           L" //E:vbscript  The script engine (VBScript is the only one)\r\n"
           L" //H:, //S   Accepted and ignored\r\n"
           L" //wscript   Behave as wscript: output and errors in message boxes\r\n"
           L" //cscript   Behave as cscript (the default)\r\n";
}

}  // namespace tarnwick::host
