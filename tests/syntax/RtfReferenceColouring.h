#pragma once

// The whole-document colouring done the old way, through the document's RTF
// form, step by step: the RTF text of the whole document split into lines, the
// colour table line inserted after the first, every line coloured by one
// search per keyword entry and per match, and the result read back as RTF.
// Written from the rules alone (own scan copy, own "=" spacing, the slow
// reference scans), so that the colouring done straight from the text can be
// checked against it.

#include "options/ColourSettingsLoader.h"
#include "tests/syntax/ReferenceScans.h"
#include "unit/MainUnit.h"

#include <string>
#include <vector>

namespace tarnwick::reference {

// The scans look at a copy of the RTF line of the same length in which only
// the document's own characters stand as themselves: a control word with its
// number and delimiting space, a control symbol, a group brace and an
// inserted colour word are hidden (a delimiter that is no quote); an escape
// \'hh, \{ or \} reads as a word character when the character it stands for
// is one, else as hidden; the last character of an inserted opening colour
// word is a mark, so that a keyword right after it counts as coloured.
inline constexpr char kRtfHidden = '\x08';
inline constexpr char kRtfWordChar = '\x7F';
inline constexpr char kRtfMark = '\0';

inline std::string RtfScanCopy(const std::string& s) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    auto hex = [&](char c) { return digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); };
    std::string scan;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == '{' || s[i] == '}') {
            scan += kRtfHidden;
            ++i;
        } else if (s[i] != '\\') {
            scan += s[i++];
        } else if (i + 1 < s.size() && letter(s[i + 1])) {
            std::size_t j = i + 1;
            while (j < s.size() && letter(s[j])) ++j;
            if (j + 1 < s.size() && s[j] == '-' && digit(s[j + 1])) ++j;
            while (j < s.size() && digit(s[j])) ++j;
            if (j < s.size() && s[j] == ' ') ++j;
            scan.append(j - i, kRtfHidden);
            i = j;
        } else if (i + 3 < s.size() && s[i + 1] == '\'' && hex(s[i + 2]) && hex(s[i + 3])) {
            auto byte = static_cast<unsigned char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            scan.append(4, IsDelimiter(byte) ? kRtfHidden : kRtfWordChar);
            i += 4;
        } else if (i + 1 < s.size() && (s[i + 1] == '{' || s[i + 1] == '}')) {
            scan.append(2, kRtfWordChar);
            i += 2;
        } else {
            const std::size_t length = i + 1 < s.size() ? 2 : 1;
            scan.append(length, kRtfHidden);
            i += length;
        }
    }
    return scan;
}

// ColorRTF of one line.
inline std::string ColorRtf(const SyntaxEntries& table, std::string line) {
    if (line == "\\par }" || line == " " || line == "\\par ") return line;
    std::string scan = RtfScanCopy(line);
    // Every search's window reaches to the end of the line as it stands.
    auto n = [&] { return static_cast<int>(scan.size()); };
    auto insert = [&](std::size_t at, const std::string& word, const std::string& scanned) {
        line.insert(at, word);
        scan.insert(at, scanned);
    };
    const std::string opening{"\x08\x08\x08\0", 4};
    const std::string closing(5, kRtfHidden);

    // Spacing around "=", each next search right after the sign just written.
    for (int i = InStr(scan, "=", 0, n(), NoOptions, true, true); i != -1;) {
        int a = i;
        while (a > 0 && scan[a - 1] == ' ') --a;
        int b = i + 1;
        while (b < static_cast<int>(scan.size()) && scan[b] == ' ') ++b;
        line.erase(a, b - a);
        scan.erase(a, b - a);
        const bool comparison = (a > 0 && (scan[a - 1] == '<' || scan[a - 1] == '>')) ||
                                (a < static_cast<int>(scan.size()) && (scan[a] == '<' || scan[a] == '>'));
        const std::string sign = comparison ? "=" : " = ";
        insert(a, sign, sign);
        i = InStr(scan, "=", a + static_cast<int>(sign.size()) + 1, n(), NoOptions, true, true);
    }

    // Keywords, entry by entry; a keyword right after a colour word is coloured already.
    for (const TColorCoding& entry : table) {
        if ((entry.TypeA != "Function" && entry.TypeA != "Statement") || entry.Name.empty()) continue;
        const int length = static_cast<int>(entry.Name.size());
        int d = InStr(scan, entry.Name, 0, n(), WholeWord, true, true);
        while (d != -1) {
            int next = d + 2;
            if (d == 0 || scan[d - 1] != kRtfMark) {
                line.replace(d, length, entry.Name);
                scan.replace(d, length, entry.Name);
                insert(d + length, "\\cf0 ", closing);
                insert(d, entry.TypeA == "Function" ? "\\cf1" : "\\cf2", opening);
                next = d + 6;
            }
            d = InStr(scan, entry.Name, next, n(), WholeWord, true, true);
        }
    }

    // Comments: the first apostrophe, then the first rem of the line as the apostrophe's colour word leaves it.
    const int c = InStr(scan, "'", 0, n(), NoOptions, true, false);
    if (c != -1) {
        insert(c, "\\cf3", opening);
        insert(line.size(), "\\cf0 ", closing);
    }
    std::string remScan = c == -1 ? scan : scan.substr(0, scan.size() - closing.size());
    const int r = InStr(remScan, "rem", 0, static_cast<int>(remScan.size()), WholeWord, true, false);
    if (r != -1) {
        if (r >= 4 && scan[r - 1] == kRtfMark && line.compare(r - 4, 3, "\\cf") == 0 &&
            line.compare(r + 3, 5, "\\cf0 ") == 0) {
            // "Rem" coloured as a statement: the comment colour takes the place of the
            // statement colour and runs to the end of the line.
            line.replace(r - 4, 4, "\\cf3");
            line.erase(r + 3, 5);
            scan.erase(r + 3, 5);
        } else {
            insert(r, "\\cf3", opening);
        }
        insert(line.size(), "\\cf0 ", closing);
    }
    return line;
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string::npos) {
            lines.push_back(text.substr(i));
            break;
        }
        lines.push_back(text.substr(i, end - i));
        i = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// The whole document through its RTF form, loaded back into the control.
inline void ColourWholeDocumentThroughRtf(MainUnit& unit) {
    std::vector<std::string> lines = SplitLines(unit.MainText.SaveToRtf());
    lines.insert(lines.begin() + 1, ColourTableLine(unit.CurrentColours()));
    std::string joined;
    for (const std::string& line : lines) joined += line + "\r\n";
    if (std::size_t tab = joined.find('\t'); tab != std::string::npos) joined.replace(tab, 1, "    ");
    std::string coloured;
    for (const std::string& line : SplitLines(joined)) coloured += ColorRtf(unit.SyntaxTable, line) + "\r\n";
    unit.MainText.LoadFromRtf(coloured, RtfColourRoles::FirstThreeEntries);
}

}  // namespace tarnwick::reference
