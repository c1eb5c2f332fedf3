#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// How a document's text is held and stored. An ANSI document is Windows-1252
// bytes, one character each, stored as they are. A Unicode document is held
// as UTF-8 and stored with the byte-order mark it was read with.
enum class TextEncoding { Ansi, Utf8, Utf16Le };

// The name the status bar shows: "ANSI", "UTF-8" or "UTF-16 LE".
const char* EncodingName(TextEncoding encoding);

struct DecodedFile {
    TextEncoding encoding = TextEncoding::Ansi;
    std::string text;  // the bytes as they are (ANSI) or UTF-8 without the mark
};

// A file's bytes as a document: a UTF-8 or UTF-16 LE byte-order mark makes it
// a Unicode document, anything else an ANSI one. A UTF-16 unit that is half of
// a pair but stands alone is kept (as its own three-byte sequence), so that
// saving gives the file back as it was. Throws Error with the reason for
// UTF-16 with an odd number of bytes.
DecodedFile DecodeFileBytes(std::string bytes);

// The bytes of a file that holds the text: ANSI as it is, a Unicode text
// behind its byte-order mark. In UTF-16 a byte that starts no UTF-8 sequence
// is taken as its Windows-1252 character.
std::string EncodeFileBytes(std::string_view text, TextEncoding encoding);

// ---- Characters of a document's text ---------------------------------------------
// Positions are byte offsets. In a Unicode text a character is a UTF-8
// sequence; a byte that starts no valid sequence is a character of its own,
// shown as its Windows-1252 character. In an ANSI text every byte is one.

// Bytes of the character that starts at `at` (0 at the end of the text).
int CharLength(std::string_view text, std::size_t at, TextEncoding encoding);
// Start of the character that holds the byte at `at` (`at` itself at the end).
std::size_t CharStartAt(std::string_view text, std::size_t at, TextEncoding encoding);
// Start of the character that ends right before `at` (0 stays 0).
std::size_t PreviousCharStart(std::string_view text, std::size_t at, TextEncoding encoding);
// Code point of the character at `at`; a lone UTF-16 half gives U+FFFD.
char32_t CodePointAt(std::string_view text, std::size_t at, TextEncoding encoding);
// Number of characters of the text.
int CharCount(std::string_view text, TextEncoding encoding);
// The bytes of a typed or pasted character: UTF-8 in a Unicode text; in an
// ANSI text its Windows-1252 byte, "?" where the code page has none.
std::string EncodeCharacter(char32_t code, TextEncoding encoding);

}  // namespace tarnwick
