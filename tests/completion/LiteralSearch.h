#pragma once

#include "syntax/ReferenceScans.h"

#include <string>
#include <string_view>

namespace tarnwick::testing {

// RevFind from its rule: the slow, obviously correct reference the fast searches are held to.
inline int LiteralRevFind(int from, std::string_view s, std::string_view sub) {
    return reference::RevFind(from, std::string(s), std::string(sub));
}

// The name-before-dot test as written, empty names excluded.
inline bool LiteralStandsBeforeDot(std::string_view text, int caret, std::string_view name) {
    if (name.empty()) return false;
    const int found = LiteralRevFind(caret, text, name);
    return found != -1 && found - 1 + static_cast<int>(name.size()) + 1 == caret;
}

}  // namespace tarnwick::testing
