#include "host/Console.h"

#include <algorithm>

namespace tarnwick::host {

namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Length of the longest prefix that ends on a whole UTF-8 character.
std::size_t WholeUtf8(const std::string& bytes) {
    std::size_t end = bytes.size();
    // Step back over at most three continuation bytes to the last lead byte.
    std::size_t lead = end;
    for (std::size_t back = 0; back < 4 && lead > 0; ++back) {
        const unsigned char c = static_cast<unsigned char>(bytes[--lead]);
        if ((c & 0xC0) != 0x80) {
            const std::size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            return end - lead >= need ? end : lead;
        }
    }
    return end;
}

}  // namespace

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::wstring DecodeAvailable(std::string& bytes, bool utf16) {
    std::wstring text;
    if (utf16) {
        const std::size_t whole = bytes.size() / 2 * 2;
        text.assign(reinterpret_cast<const wchar_t*>(bytes.data()), whole / 2);
        bytes.erase(0, whole);
        return text;
    }
    const std::size_t whole = WholeUtf8(bytes);
    if (whole == 0) return text;
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(whole), nullptr, 0);
    text.resize(size);
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(whole), text.data(), size);
    bytes.erase(0, whole);
    return text;
}

OutputChannel::OutputChannel(DWORD which, bool utf16)
    : handle_(GetStdHandle(which)), console_(IsConsole(handle_)), utf16_(utf16) {}

void OutputChannel::Write(std::wstring_view text) {
    if (!Valid() || text.empty()) return;
    DWORD written = 0;
    if (console_) {
        WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = utf16_ ? std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2)
                                     : Utf8(text);
    for (std::size_t done = 0; done < bytes.size(); done += written) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(handle_, bytes.data() + done, chunk, &written, nullptr) || written == 0) return;
    }
}

void OutputChannel::WriteLine(std::wstring_view text) {
    std::wstring line(text);
    line += L"\r\n";
    Write(line);
}

InputChannel::InputChannel(bool utf16)
    : handle_(GetStdHandle(STD_INPUT_HANDLE)), console_(IsConsole(handle_)), utf16_(utf16) {}

bool InputChannel::Fill() {
    if (ended_) return false;
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
        ended_ = true;
        return false;
    }
    if (console_) {
        wchar_t buffer[1024];
        DWORD read = 0;
        if (!ReadConsoleW(handle_, buffer, 1024, &read, nullptr) || read == 0) {
            ended_ = true;
            return false;
        }
        std::wstring_view chunk(buffer, read);
        // Ctrl+Z at the start of a line ends console input.
        if (const std::size_t stop = chunk.find(L'\x1a'); stop != std::wstring_view::npos) {
            chunk = chunk.substr(0, stop);
            ended_ = true;
        }
        text_ += chunk;
        return true;
    }
    char buffer[4096];
    DWORD read = 0;
    if (!ReadFile(handle_, buffer, sizeof buffer, &read, nullptr) || read == 0) {
        ended_ = true;
        // Bytes of a broken last character still count as text.
        if (!pending_.empty()) text_ += L'\xFFFD';
        pending_.clear();
        return false;
    }
    pending_.append(buffer, read);
    text_ += DecodeAvailable(pending_, utf16_);
    return true;
}

bool InputChannel::AtEnd() {
    while (text_.empty() && Fill()) {
    }
    return text_.empty();
}

bool InputChannel::AtEndOfLine() {
    return AtEnd() || text_.front() == L'\r' || text_.front() == L'\n';
}

bool InputChannel::ReadLine(std::wstring& line) {
    if (AtEnd()) return false;
    std::size_t end;
    while ((end = text_.find(L'\n')) == std::wstring::npos && Fill()) {
    }
    const std::size_t take = end == std::wstring::npos ? text_.size() : end + 1;
    line = text_.substr(0, end == std::wstring::npos ? take : end);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    text_.erase(0, take);
    ++line_;
    return true;
}

std::wstring InputChannel::Read(std::size_t count) {
    while (text_.size() < count && Fill()) {
    }
    std::wstring out = text_.substr(0, count);
    text_.erase(0, out.size());
    line_ += static_cast<long>(std::count(out.begin(), out.end(), L'\n'));
    return out;
}

std::wstring InputChannel::ReadAll() {
    while (Fill()) {
    }
    return Read(text_.size());
}

}  // namespace tarnwick::host
