// tarnwick-host: runs a VBScript file through the system's VBScript engine,
// as cscript (or, with //wscript, as wscript) does, and reports every error
// in the host's own form with a non-zero exit code.
#include "host/Host.h"
#include "host/ScriptSite.h"

#include <windows.h>
#include <activscp.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using namespace tarnwick::host;

namespace {

// {B54F3741-5B07-11CF-A4B0-00AA004A55E8}
constexpr CLSID kVBScript = {0xb54f3741, 0x5b07, 0x11cf, {0xa4, 0xb0, 0x00, 0xaa, 0x00, 0x4a, 0x55, 0xe8}};

// A refusal of options ends with this code, its one line starting with the
// host's name, which the editor's output pane reads as "nothing was run".
constexpr int kRefused = 2;

std::wstring Decode(const char* bytes, std::size_t size, UINT codePage) {
    if (size == 0) return {};
    const int length = MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(size), text.data(), length);
    return text;
}

// The script as text: UTF-16 (either order) or UTF-8 by their marks, else
// the system's ANSI code page, as the engine's own hosts read it.
std::wstring ScriptText(const std::string& bytes) {
    const auto starts = [&bytes](std::string_view mark) { return bytes.compare(0, mark.size(), mark) == 0; };
    if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        const bool swap = starts("\xFE\xFF");
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto low = static_cast<unsigned char>(bytes[2 + 2 * i + (swap ? 1 : 0)]);
            const auto high = static_cast<unsigned char>(bytes[2 + 2 * i + (swap ? 0 : 1)]);
            text[i] = static_cast<wchar_t>(low | high << 8);
        }
        return text;
    }
    if (starts("\xEF\xBB\xBF")) return Decode(bytes.data() + 3, bytes.size() - 3, CP_UTF8);
    return Decode(bytes.data(), bytes.size(), CP_ACP);
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

// Runs the script; the exit code is 1 after an error, else 0 (Quit leaves earlier).
int Run(Host& host) {
    const std::wstring& code = host.ScriptText();
    IDispatch* wscript = NewWScriptObject(host);
    ScriptSite site(host, wscript);
    IActiveScript* engine = nullptr;
    IActiveScriptParse64* parser = nullptr;
    HRESULT result = CoCreateInstance(kVBScript, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IActiveScript),
                                      reinterpret_cast<void**>(&engine));
    if (FAILED(result)) {
        host.Err().WriteLine(L"The VBScript engine is not installed on this system (it could not be created).");
        return 1;
    }
    host.engine = engine;
    result = engine->QueryInterface(__uuidof(IActiveScriptParse64), reinterpret_cast<void**>(&parser));
    if (SUCCEEDED(result)) result = parser->InitNew();
    if (SUCCEEDED(result)) result = engine->SetScriptSite(&site);
    if (SUCCEEDED(result)) result = engine->AddNamedItem(L"WScript", SCRIPTITEM_ISVISIBLE);
    if (SUCCEEDED(result)) {
        EXCEPINFO exception{};
        result = parser->ParseScriptText(code.c_str(), nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISVISIBLE,
                                         nullptr, &exception);
    }
    if (SUCCEEDED(result) && !host.ErrorReported()) result = engine->SetScriptState(SCRIPTSTATE_STARTED);
    const bool failed = host.ErrorReported() || FAILED(result);
    if (FAILED(result) && !host.ErrorReported()) {
        wchar_t hex[16];
        swprintf(hex, 16, L"%08lX", static_cast<unsigned long>(result));
        host.Err().WriteLine(host.ScriptFullName() + L"(1, 1) Microsoft VBScript runtime error: The script could "
                                                     L"not be run (engine failure 0x" + hex + L")");
    }
    engine->Close();
    if (parser) parser->Release();
    host.engine = nullptr;
    engine->Release();
    wscript->Release();
    return failed ? 1 : 0;
}

}  // namespace

int wmain() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> words(argv + (count > 0 ? 1 : 0), argv + count);
    LocalFree(argv);

    auto parsed = ParseHostOptions(words);
    OutputChannel err(STD_ERROR_HANDLE, false);
    if (const auto* refusal = std::get_if<OptionRefusal>(&parsed)) {
        err.WriteLine(L"tarnwick-host: Option \"" + refusal->option + L"\" refused: " + refusal->reason + L".");
        return kRefused;
    }
    HostOptions& options = std::get<HostOptions>(parsed);
    if (options.usage) {
        OutputChannel(STD_OUTPUT_HANDLE, options.unicode).Write(UsageText());
        return 0;
    }
    if (options.script.empty()) {
        err.Write(UsageText());
        return kRefused;
    }
    Host host(std::move(options));
    if (host.Options().logo)
        host.Out().WriteLine(L"Tarnwick Script Host, running VBScript through the system's engine\r\n");
    for (const std::wstring& note : host.Options().notes) host.Err().WriteLine(L"Note: " + note + L".");

    const std::optional<std::string> bytes = ReadFileBytes(host.ScriptFullName());
    if (!bytes) {
        host.Err().WriteLine(L"Input Error: Can not find script file \"" + host.ScriptFullName() + L"\".");
        return 1;
    }
    CoInitialize(nullptr);
    host.SetScriptText(ScriptText(*bytes));
    const int code = Run(host);
    CoUninitialize();
    return code;
}
