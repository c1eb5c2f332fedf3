#include "syntax/EqualsSpacing.h"

#include "syntax/Scans.h"

namespace tarnwick {
namespace {

void Replace(std::string& s, std::size_t from, std::size_t to, std::string_view with) {
    s.replace(from, to - from, with);
}

bool IsComparison(char c) { return c == '<' || c == '>'; }

}  // namespace

void SpaceEqualsSigns(std::string& text, std::string& scan) {
    const bool separate = &text != &scan;
    int found = InStr(scan, "=", 0, static_cast<int>(scan.size()), NoOptions, true, true);
    while (found != -1) {
        std::size_t a = static_cast<std::size_t>(found);
        while (a > 0 && scan[a - 1] == ' ') --a;
        std::size_t b = static_cast<std::size_t>(found) + 1;
        while (b < scan.size() && scan[b] == ' ') ++b;

        // After the spaces and the sign are gone, a neighbouring "<" or ">" keeps the sign unspaced.
        bool comparison = (a > 0 && IsComparison(scan[a - 1])) || (b < scan.size() && IsComparison(scan[b]));
        std::string_view sign = comparison ? "=" : " = ";
        Replace(scan, a, b, sign);
        if (separate) Replace(text, a, b, sign);

        // The next search starts right after the sign just written.
        int next = static_cast<int>(a + sign.size()) + 1;
        found = InStr(scan, "=", next, static_cast<int>(scan.size()), NoOptions, true, true);
    }
}

void SpaceEqualsSigns(std::string& text) { SpaceEqualsSigns(text, text); }

}  // namespace tarnwick
