#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnwick::host {

// Standard output or error: a console gets the text as the console takes it;
// a pipe or file gets UTF-8, or UTF-16 LE when the user asked for Unicode
// output, so that every character arrives whatever the code pages are.
class OutputChannel {
public:
    OutputChannel(DWORD which, bool utf16);
    // False when the host has no such handle (a windowed parent gave none).
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void Write(std::wstring_view text);
    void WriteLine(std::wstring_view text);

private:
    HANDLE handle_;
    bool console_;
    bool utf16_;
};

// Standard input, read as text: a console as the console gives it, a pipe or
// file as UTF-8 (UTF-16 LE when the user asked for Unicode).
class InputChannel {
public:
    explicit InputChannel(bool utf16);
    bool AtEnd();
    bool AtEndOfLine();
    // The next line without its break; false at the end of the input.
    bool ReadLine(std::wstring& line);
    // Up to `count` characters; fewer at the end of the input.
    std::wstring Read(std::size_t count);
    std::wstring ReadAll();
    long Line() const { return line_; }

private:
    bool Fill();  // reads more; false at the end

    HANDLE handle_;
    bool console_;
    bool utf16_;
    bool ended_ = false;
    std::string pending_;  // bytes that do not yet make a whole character
    std::wstring text_;    // read and not yet taken
    long line_ = 1;
};

std::string Utf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// The bytes as text: UTF-8, or UTF-16 LE when `utf16`; an incomplete
// character at the end stays in `bytes` for the next call.
std::wstring DecodeAvailable(std::string& bytes, bool utf16);

}  // namespace tarnwick::host
