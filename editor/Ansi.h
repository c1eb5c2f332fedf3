#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Windows-1252, the code page of the scripts on disk and of the text model.

// Unicode code point of a byte; the five bytes the code page leaves undefined
// map to the C1 controls of the same value, so every byte survives a round trip.
char32_t AnsiToUnicode(unsigned char byte);
// The byte of a code point, or -1 when the code page has none.
int UnicodeToAnsi(char32_t codePoint);

// Case folding over the whole code page (letters with accents included).
unsigned char AnsiLower(unsigned char c);
unsigned char AnsiUpper(unsigned char c);
std::string AnsiLowerCase(std::string_view text);
// Folds only A to Z: for names that are plain ASCII by their nature (keys of
// a settings file, program names), whatever else they hold is kept as it is.
std::string AsciiLowerCase(std::string_view text);

}  // namespace tarnwick
