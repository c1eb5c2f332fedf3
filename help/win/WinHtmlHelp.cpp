#include "help/win/WinHtmlHelp.h"

#include <windows.h>

namespace tarnwick {
namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);

class WinHtmlHelp : public HtmlHelpEntry {
public:
    WinHtmlHelp(HMODULE library, HtmlHelpFunction function) : library_(library), function_(function) {}
    // A help window still open would run code of the library after it is gone.
    ~WinHtmlHelp() override {
        function_(nullptr, nullptr, hh::kCloseAll, 0);
        FreeLibrary(library_);
    }
    WinHtmlHelp(const WinHtmlHelp&) = delete;
    WinHtmlHelp& operator=(const WinHtmlHelp&) = delete;

    void Send(std::uintptr_t ownerWindow, const std::optional<std::string>& file, int command,
              const HelpData& data) override {
        // A keyword goes as a pointer to its text, which lives until the call returns.
        const auto* text = std::get_if<std::string>(&data);
        const DWORD_PTR value = text ? reinterpret_cast<DWORD_PTR>(text->c_str())
                                     : static_cast<DWORD_PTR>(std::get<std::uintptr_t>(data));
        function_(reinterpret_cast<HWND>(ownerWindow), file ? file->c_str() : nullptr, static_cast<UINT>(command),
                  value);
    }

private:
    HMODULE library_;
    HtmlHelpFunction function_;
};

}  // namespace

std::unique_ptr<HtmlHelpEntry> LoadWinHtmlHelp() {
    HMODULE library = LoadLibraryA("HHCtrl.ocx");
    if (!library) return nullptr;
    auto function = reinterpret_cast<HtmlHelpFunction>(GetProcAddress(library, "HtmlHelpA"));
    if (!function) {
        FreeLibrary(library);
        return nullptr;
    }
    return std::make_unique<WinHtmlHelp>(library, function);
}

}  // namespace tarnwick
