#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Text for the wide-character calls of Windows. Bytes that are UTF-8 beyond
// plain ASCII (names from Qt, values the settings give back) are read as
// UTF-8; any other bytes as the system's ANSI code page, the way the "A"
// calls read them.
std::wstring WideText(std::string_view bytes);

// Whether the bytes are UTF-8 holding a character beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view bytes);

// UTF-16 text as UTF-8.
std::string Utf8Text(std::wstring_view text);

// The bytes of the text in the system's ANSI code page; none when it holds a
// character the code page lacks.
bool ToAnsiCodePage(std::wstring_view text, std::string& bytes);

}  // namespace tarnwick
