#include "editor/TextEncoding.h"

#include "editor/Ansi.h"
#include "unit/Error.h"

#include <algorithm>

namespace tarnwick {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
bool IsSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDFFF; }

// Length of the valid UTF-8 sequence at `at`, or 0 when none starts there.
// Surrogates are valid here: they stand for the lone UTF-16 halves a file may hold.
int SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    // The second byte's range rules out overlong forms and code points past U+10FFFF.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (int k = 2; k < length; ++k)
        if (!IsContinuation(byte(at + k))) return 0;
    return length;
}

char32_t DecodeSequence(std::string_view text, std::size_t at, int length) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[i])); };
    switch (length) {
    case 1: return byte(at);
    case 2: return ((byte(at) & 0x1F) << 6) | (byte(at + 1) & 0x3F);
    case 3: return ((byte(at) & 0x0F) << 12) | ((byte(at + 1) & 0x3F) << 6) | (byte(at + 2) & 0x3F);
    default:
        return ((byte(at) & 0x07) << 18) | ((byte(at + 1) & 0x3F) << 12) | ((byte(at + 2) & 0x3F) << 6) |
               (byte(at + 3) & 0x3F);
    }
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16Unit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    if (bytes.size() % 2 != 0) throw Error("It starts with a UTF-16 mark but does not end with a whole character");
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    const auto unit = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char32_t first = unit(i);
        if (first >= 0xD800 && first <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t second = unit(i + 2);
            if (second >= 0xDC00 && second <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, first);  // a lone half too, so that it is written back as it was
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view text) {
    std::string out;
    out.reserve(2 * text.size());
    for (std::size_t at = 0; at < text.size();) {
        const int length = SequenceLength(text, at);
        const char32_t code = length ? DecodeSequence(text, at, length)
                                     : AnsiToUnicode(static_cast<unsigned char>(text[at]));
        if (code >= 0x10000) {
            AppendUtf16Unit(out, 0xD800 + ((code - 0x10000) >> 10));
            AppendUtf16Unit(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Unit(out, code);
        }
        at += length ? length : 1;
    }
    return out;
}

}  // namespace

const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf16Le: return "UTF-16 LE";
    case TextEncoding::Ansi: break;
    }
    return "ANSI";
}

DecodedFile DecodeFileBytes(std::string bytes) {
    const std::string_view view = bytes;
    if (view.substr(0, kUtf8Mark.size()) == kUtf8Mark) return {TextEncoding::Utf8, bytes.substr(kUtf8Mark.size())};
    if (view.substr(0, kUtf16LeMark.size()) == kUtf16LeMark)
        return {TextEncoding::Utf16Le, Utf16LeToUtf8(view.substr(kUtf16LeMark.size()))};
    return {TextEncoding::Ansi, std::move(bytes)};
}

std::string EncodeFileBytes(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8: return std::string(kUtf8Mark) + std::string(text);
    case TextEncoding::Utf16Le: return std::string(kUtf16LeMark) + Utf8ToUtf16Le(text);
    case TextEncoding::Ansi: break;
    }
    return std::string(text);
}

int CharLength(std::string_view text, std::size_t at, TextEncoding encoding) {
    if (at >= text.size()) return 0;
    if (encoding == TextEncoding::Ansi) return 1;
    const int length = SequenceLength(text, at);
    return length ? length : 1;
}

std::size_t CharStartAt(std::string_view text, std::size_t at, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi || at >= text.size()) return std::min(at, text.size());
    for (std::size_t back = 1; back <= 3 && back <= at; ++back) {
        if (!IsContinuation(static_cast<unsigned char>(text[at - back + 1]))) break;
        if (SequenceLength(text, at - back) > static_cast<int>(back)) return at - back;
    }
    return at;
}

std::size_t PreviousCharStart(std::string_view text, std::size_t at, TextEncoding encoding) {
    at = std::min(at, text.size());
    if (at == 0) return 0;
    if (encoding != TextEncoding::Ansi) {
        // A sequence is at most four bytes: look for the lead whose sequence ends right here.
        for (std::size_t back = 2; back <= 4 && back <= at; ++back) {
            if (!IsContinuation(static_cast<unsigned char>(text[at - back + 1]))) break;
            if (SequenceLength(text, at - back) == static_cast<int>(back)) return at - back;
        }
    }
    return at - 1;
}

char32_t CodePointAt(std::string_view text, std::size_t at, TextEncoding encoding) {
    if (at >= text.size()) return 0;
    const unsigned char first = static_cast<unsigned char>(text[at]);
    if (encoding == TextEncoding::Ansi) return AnsiToUnicode(first);
    const int length = SequenceLength(text, at);
    if (!length) return AnsiToUnicode(first);
    const char32_t code = DecodeSequence(text, at, length);
    return IsSurrogate(code) ? U'\uFFFD' : code;
}

int CharCount(std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi) return static_cast<int>(text.size());
    int count = 0;
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at, encoding)) ++count;
    return count;
}

std::string EncodeCharacter(char32_t code, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi) {
        const int byte = UnicodeToAnsi(code);
        return std::string(1, static_cast<char>(byte < 0 ? '?' : byte));
    }
    std::string out;
    AppendUtf8(out, code > 0x10FFFF || IsSurrogate(code) ? U'\uFFFD' : code);
    return out;
}

}  // namespace tarnwick
