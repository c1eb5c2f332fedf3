#include "syntax/RtfScanCopy.h"

#include "syntax/Scans.h"

#include <algorithm>

namespace tarnwick {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Length of the control word starting at the backslash at `at`: letters, an
// optional signed number and one delimiting space.
std::size_t ControlWordLength(std::string_view s, std::size_t at) {
    std::size_t j = at + 1;
    while (j < s.size() && IsAsciiLetter(s[j])) ++j;
    if (j + 1 < s.size() && s[j] == '-' && IsDigit(s[j + 1])) ++j;
    while (j < s.size() && IsDigit(s[j])) ++j;
    if (j < s.size() && s[j] == ' ') ++j;
    return j - at;
}

}  // namespace

std::string RtfScanCopy(std::string_view s) {
    std::string scan;
    RtfScanCopyInto(s, scan);
    return scan;
}

void RtfScanCopyInto(std::string_view s, std::string& scan) {
    scan.clear();
    scan.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        char c = s[i];
        if (c == '{' || c == '}') {
            scan += kHidden;
            ++i;
            continue;
        }
        if (c != '\\') {
            // A run of the document's own characters is copied as it is.
            std::size_t end = i + 1;
            while (end < s.size() && s[end] != '\\' && s[end] != '{' && s[end] != '}') ++end;
            scan.append(s, i, end - i);
            i = end;
            continue;
        }
        char next = i + 1 < s.size() ? s[i + 1] : '\0';
        if (IsAsciiLetter(next)) {
            std::size_t length = ControlWordLength(s, i);
            scan.append(length, kHidden);
            i += length;
        } else if (next == '\'' && i + 3 < s.size() && HexValue(s[i + 2]) >= 0 && HexValue(s[i + 3]) >= 0) {
            auto byte = static_cast<unsigned char>(HexValue(s[i + 2]) * 16 + HexValue(s[i + 3]));
            scan.append(4, IsDelimiter(byte) ? kHidden : kOpaque);
            i += 4;
        } else if (next == '{' || next == '}') {
            scan.append(2, kOpaque);  // a brace of the text, which is no delimiter
            i += 2;
        } else {
            std::size_t length = i + 1 < s.size() ? 2 : 1;  // "\\" and other control symbols
            scan.append(length, kHidden);
            i += length;
        }
    }
}

}  // namespace tarnwick
