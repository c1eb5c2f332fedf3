#include "syntax/DeclaredNames.h"

#include "syntax/Scans.h"

namespace tarnwick {
namespace {

bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameCharacter(char c) { return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_'; }
char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

std::uint32_t FirstWordHash(std::string_view s) {
    std::uint32_t hash = 2166136261u;
    for (char c : s) {
        if (IsDelimiter(static_cast<unsigned char>(c))) break;
        hash = (hash ^ static_cast<unsigned char>(Fold(c))) * 16777619u;
    }
    return hash;
}

void DeclaredNameList::Add(std::string_view name) {
    spans_.push_back({chars_.size(), name.size(), FirstWordHash(name)});
    chars_ += name;
}

std::vector<std::string> DeclaredNameList::ToVector() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
    return out;
}

// Each item of the list: blanks, the name, and anything else up to the next
// comma outside the bounds.
void AppendDeclaredNames(std::string_view afterDim, DeclaredNameList& names) {
    std::size_t i = 0;
    const std::size_t n = afterDim.size();
    auto endsStatement = [&](char c) { return c == '\r' || c == '\n' || c == ':' || c == '\''; };
    while (i < n) {
        while (i < n && IsSpaceOrControl(afterDim[i]) && afterDim[i] != '\r' && afterDim[i] != '\n') ++i;
        std::size_t begin = i;
        while (i < n && IsNameCharacter(afterDim[i])) ++i;
        if (i > begin && IsAsciiLetter(afterDim[begin])) names.Add(afterDim.substr(begin, i - begin));
        int depth = 0;  // inside array bounds, whose commas separate subscripts, not names
        for (; i < n; ++i) {
            const char c = afterDim[i];
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                if (depth > 0) --depth;
            } else if (depth == 0 && (c == ',' || endsStatement(c))) {
                break;
            } else if (c == '\r' || c == '\n') {
                return;
            }
        }
        if (i >= n || afterDim[i] != ',') return;
        ++i;
    }
}

}  // namespace tarnwick
