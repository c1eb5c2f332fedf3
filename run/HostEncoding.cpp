#include "run/HostEncoding.h"

#include "editor/TextEncoding.h"
#include "run/CommandLine.h"

#include <algorithm>
#include <utility>

namespace tarnwick {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) { out += EncodeCharacter(c, TextEncoding::Utf8); }

// The length of the UTF-8 character that starts at `at`: 0 when its bytes
// form none, -1 when the text ends before it does.
int Utf8CharLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {  // no overlong form, no UTF-16 half
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {  // no overlong form, nothing past U+10FFFF
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (at + i >= text.size()) return -1;
        const unsigned char b = byte(at + i);
        if (i == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) return 0;
    }
    return length;
}

}  // namespace

std::string StartedProgramName(const std::vector<std::string>& words) {
    auto program = words.begin();
    if (program != words.end() && (ProgramName(*program) == "wine" || ProgramName(*program) == "wine64")) ++program;
    return program == words.end() ? std::string() : ProgramName(*program);
}

HostWriting HostWritingOf(const std::vector<std::string>& words, int oemCodePage) {
    const std::string name = StartedProgramName(words);
    if (name.empty()) return {};
    auto option =
        std::find_if(words.begin(), words.end(), [&](const std::string& word) { return ProgramName(word) == name; });
    bool unicode = false;  // "//U" among the host options, which stand before the script
    for (++option; option < words.end() && option->starts_with("//"); ++option)
        unicode = unicode || *option == "//U" || *option == "//u";
    if (name == kOwnHostName) return {unicode ? HostTextForm::Utf16Le : HostTextForm::Utf8};
    if (name == "cscript" || name == "wscript")
        return unicode ? HostWriting{HostTextForm::Utf16Le} : HostWriting{HostTextForm::OemCodePage, oemCodePage};
    return {};
}

bool KnowsOemCodePage(int codePage) {
    return std::any_of(kOemCodePages, kOemCodePages + kOemCodePageCount,
                       [&](const OemCodePage& page) { return page.number == codePage; });
}

std::string HostOutputDecoder::Decode(std::string_view bytes) {
    std::string out;
    switch (writing_.form) {
        case HostTextForm::Utf8: out = DecodeUtf8(bytes, false); break;
        case HostTextForm::Utf16Le: out = DecodeUtf16(bytes, false); break;
        case HostTextForm::OemCodePage: out = DecodeOem(bytes); break;
    }
    if (!started_ && !out.empty()) {
        started_ = true;
        if (out.starts_with("\xEF\xBB\xBF")) out.erase(0, 3);
    }
    return out;
}

std::string HostOutputDecoder::Finish() {
    std::string out = writing_.form == HostTextForm::Utf16Le ? DecodeUtf16({}, true) : DecodeUtf8({}, true);
    if (!started_ && out.starts_with("\xEF\xBB\xBF")) out.erase(0, 3);
    started_ = false;
    return out;
}

std::string HostOutputDecoder::DecodeUtf8(std::string_view bytes, bool atEnd) {
    const std::string text = std::exchange(pending_, {}) + std::string(bytes);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const int length = Utf8CharLength(text, i);
        if (length < 0 && !atEnd) {
            pending_ = text.substr(i);
            break;
        }
        if (length <= 0) {
            AppendUtf8(out, kReplacement);
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

std::string HostOutputDecoder::DecodeUtf16(std::string_view bytes, bool atEnd) {
    const std::string text = std::exchange(pending_, {}) + std::string(bytes);
    const auto unit = [&](std::size_t i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        return static_cast<char16_t>(byte(i) | byte(i + 1) << 8);
    };
    std::string out;
    std::size_t i = 0;
    for (; i + 2 <= text.size(); i += 2) {
        const char16_t first = unit(i);
        if (first < 0xD800 || first > 0xDFFF) {
            AppendUtf8(out, first);
        } else if (first <= 0xDBFF && i + 4 <= text.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
            i += 2;
        } else if (first <= 0xDBFF && i + 4 > text.size() && !atEnd) {
            break;  // its second half is still to come
        } else {
            AppendUtf8(out, kReplacement);
        }
    }
    if (i < text.size()) {
        if (atEnd) AppendUtf8(out, kReplacement);
        else pending_ = text.substr(i);
    }
    return out;
}

std::string HostOutputDecoder::DecodeOem(std::string_view bytes) const {
    const OemCodePage* page = std::find_if(kOemCodePages, kOemCodePages + kOemCodePageCount,
                                           [&](const OemCodePage& p) { return p.number == writing_.codePage; });
    if (page == kOemCodePages + kOemCodePageCount) page = kOemCodePages;  // 437 comes first
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) out += c;
        else AppendUtf8(out, page->upper[byte - 0x80]);
    }
    return out;
}

std::size_t Utf8PieceLength(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t cut = limit;
    // Back over continuation bytes to the start of the character that the limit splits.
    while (cut > 0 && limit - cut < 3 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return cut > 0 ? cut : limit;
}

}  // namespace tarnwick
