#include "editor/RtfWriter.h"

#include <unordered_map>

namespace tarnwick {
namespace {

void AppendEscapedByte(std::string& out, unsigned char c) {
    static const char kHex[] = "0123456789abcdef";
    switch (c) {
        case '\\': out += "\\\\"; return;
        case '{': out += "\\{"; return;
        case '}': out += "\\}"; return;
        case '\t': out += "\\tab "; return;
        default: break;
    }
    if (c < 32 || c > 127) {
        out += "\\'";
        out += kHex[c >> 4];
        out += kHex[c & 15];
    } else {
        out += static_cast<char>(c);
    }
}

// colourOf(i): the stored colour of character i, for i below count.
template <typename ColourOf>
std::string Write(std::string_view text, std::size_t count, ColourOf colourOf, const std::string& fontName,
                  int fontSize) {
    // Colour table: entry 0 is the window-text colour, then every other colour in order of appearance.
    std::vector<Colour> table;
    std::unordered_map<Colour, std::size_t> indexOf;
    // RTF has no place for colour roles: a role's colour is written as its plain value.
    for (std::size_t i = 0; i < count; ++i) {
        const Colour c = PlainColour(colourOf(i));
        if (c != kWindowTextColour && indexOf.emplace(c, table.size() + 1).second) table.push_back(c);
    }

    std::string out;
    out.reserve(text.size() + text.size() / 8 + 256);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 ";
    for (char c : fontName) AppendEscapedByte(out, static_cast<unsigned char>(c));
    out += ";}}\r\n";
    if (!table.empty()) {
        out += "{\\colortbl ;";
        for (Colour c : table)
            out += "\\red" + std::to_string(RedOf(c)) + "\\green" + std::to_string(GreenOf(c)) + "\\blue" +
                   std::to_string(BlueOf(c)) + ";";
        out += "}\r\n";
    }
    out += "\\viewkind4\\uc1\\pard\\f0\\fs" + std::to_string(fontSize * 2) + " ";

    Colour current = kWindowTextColour;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n\\par ";
            ++i;
            continue;
        }
        Colour colour = i < count ? PlainColour(colourOf(i)) : kWindowTextColour;
        if (colour != current) {
            std::size_t index = colour == kWindowTextColour ? 0 : indexOf[colour];
            out += "\\cf" + std::to_string(index) + " ";
            current = colour;
        }
        AppendEscapedByte(out, c);
    }
    out += "\r\n\\par }\r\n";
    return out;
}

}  // namespace

std::string WriteRtf(std::string_view text, const std::vector<Colour>& colours, const std::string& fontName,
                     int fontSize) {
    return Write(text, colours.size(), [&colours](std::size_t i) { return colours[i]; }, fontName, fontSize);
}

std::string WriteRtf(std::string_view text, std::string_view colourIndices, const std::vector<Colour>& table,
                     const std::string& fontName, int fontSize) {
    return Write(
        text, colourIndices.size(),
        [&](std::size_t i) { return table[static_cast<unsigned char>(colourIndices[i])]; }, fontName, fontSize);
}

}  // namespace tarnwick
