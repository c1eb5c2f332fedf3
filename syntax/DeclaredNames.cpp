#include "syntax/DeclaredNames.h"

#include "syntax/Scans.h"

namespace tarnwick {
namespace {

bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The first word of one list item; a VBScript name begins with a letter.
void AppendName(std::string_view item, std::vector<std::string>& names) {
    std::size_t begin = 0;
    while (begin < item.size() && IsSpaceOrControl(item[begin])) ++begin;
    std::size_t end = begin;
    while (end < item.size() && !IsSpaceOrControl(item[end])) ++end;
    if (end > begin && IsAsciiLetter(item[begin])) names.emplace_back(item.substr(begin, end - begin));
}

}  // namespace

void AppendDeclaredNames(std::string_view afterDim, std::vector<std::string>& names) {
    std::string item;
    int depth = 0;  // inside array bounds, whose commas separate subscripts, not names
    for (char c : afterDim) {
        if (c == '\r' || c == '\n') break;
        if (depth == 0 && (c == ':' || c == '\'')) break;
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (depth == 0) {
            if (c == ',') {
                AppendName(item, names);
                item.clear();
            } else {
                item += c;
            }
        }
    }
    AppendName(item, names);
}

std::vector<std::string> DeclaredNames(std::string_view text, int count) {
    std::vector<std::string> names;
    int found = InStr(text, "Dim", 0, count, WholeWord, true, true);
    while (found != -1) {
        AppendDeclaredNames(text.substr(static_cast<std::size_t>(found) + 3), names);
        found = InStr(text, "Dim", found + 3, count, WholeWord, true, true);
    }
    return names;
}

}  // namespace tarnwick
