#include "syntax/DeclaredNames.h"

#include "syntax/Scans.h"

namespace tarnwick {
namespace {

bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The first word of one list item; a VBScript name begins with a letter.
void AddName(std::string_view item, DeclaredNameList& names) {
    std::size_t begin = 0;
    while (begin < item.size() && IsSpaceOrControl(item[begin])) ++begin;
    std::size_t end = begin;
    while (end < item.size() && !IsSpaceOrControl(item[end])) ++end;
    if (end > begin && IsAsciiLetter(item[begin])) names.Add(item.substr(begin, end - begin));
}

}  // namespace

void DeclaredNameList::Add(std::string_view name) {
    spans_.emplace_back(chars_.size(), name.size());
    chars_ += name;
}

std::vector<std::string> DeclaredNameList::ToVector() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
    return out;
}

void AppendDeclaredNames(std::string_view afterDim, DeclaredNameList& names) {
    std::size_t itemStart = 0;
    std::string item;  // only for an item with array bounds, whose characters are not contiguous
    bool bounded = false;
    int depth = 0;     // inside array bounds, whose commas separate subscripts, not names
    std::size_t i = 0;
    auto flush = [&](std::size_t end) {
        AddName(bounded ? std::string_view(item) : afterDim.substr(itemStart, end - itemStart), names);
        item.clear();
        bounded = false;
    };
    for (; i < afterDim.size(); ++i) {
        const char c = afterDim[i];
        if (c == '\r' || c == '\n') break;
        if (depth == 0 && (c == ':' || c == '\'')) break;
        if (c == '(') {
            if (depth == 0 && !bounded) {
                item.assign(afterDim.substr(itemStart, i - itemStart));
                bounded = true;
            }
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (depth == 0) {
            if (c == ',') {
                flush(i);
                itemStart = i + 1;
            } else if (bounded) {
                item += c;
            }
        }
    }
    flush(i);
}

DeclaredNameList DeclaredNames(std::string_view text, int count) {
    DeclaredNameList names;
    int found = InStr(text, "Dim", 0, count, WholeWord, true, true);
    while (found != -1) {
        AppendDeclaredNames(text.substr(static_cast<std::size_t>(found) + 3), names);
        found = InStr(text, "Dim", found + 3, count, WholeWord, true, true);
    }
    return names;
}

}  // namespace tarnwick
