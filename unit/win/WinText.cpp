#include "unit/win/WinText.h"

#include <windows.h>

namespace tarnwick {
namespace {

std::wstring Widened(std::string_view bytes, UINT codePage, DWORD flags) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int wide = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) MultiByteToWideChar(codePage, flags, bytes.data(), size, out.data(), wide);
    return out;
}

}  // namespace

bool IsUtf8BeyondAscii(std::string_view bytes) {
    bool beyond = false;
    for (char c : bytes) beyond |= static_cast<unsigned char>(c) >= 0x80;
    return beyond && !Widened(bytes, CP_UTF8, MB_ERR_INVALID_CHARS).empty();
}

std::wstring WideText(std::string_view bytes) {
    // Plain ASCII reads the same either way.
    return Widened(bytes, IsUtf8BeyondAscii(bytes) ? CP_UTF8 : CP_ACP, 0);
}

std::string Utf8Text(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}

bool ToAnsiCodePage(std::wstring_view text, std::string& bytes) {
    bytes.clear();
    if (text.empty()) return true;
    const int size = static_cast<int>(text.size());
    BOOL lacking = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &lacking);
    if (length <= 0 || lacking) return false;
    bytes.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return true;
}

}  // namespace tarnwick
