#include "editor/ModelText.h"

#include "editor/EditorModel.h"
#include "unit/Error.h"

#include <cstdint>
#include <cstring>

namespace tarnwick {

// Whether every line break is CR LF already: no lone CR and no lone LF.
bool OnlyCrLfBreaks(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    // Nonzero when some byte of the word may be the given one (never zero when one is).
    auto mayHold = [](std::uint64_t word, char c) {
        const std::uint64_t x = word ^ (static_cast<std::uint8_t>(c) * kOnes);
        return (x - kOnes) & ~x & kHighs;
    };
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        if (i + 8 <= size) {  // eight bytes without a break are passed at once
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            if ((mayHold(word, '\r') | mayHold(word, '\n')) == 0) {
                i += 8;
                continue;
            }
        }
        if (data[i] == '\r') {
            if (i + 1 == size || data[i + 1] != '\n') return false;
            i += 2;  // the pair, so that an LF met alone is a lone one
            continue;
        }
        if (data[i] == '\n') return false;
        ++i;
    }
    return true;
}

// Every line break becomes CR LF: CR LF, a lone CR and a lone LF each count as one.
std::string NormaliseBreaks(std::string_view text) {
    if (OnlyCrLfBreaks(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// Refuses a text longer than the model holds, before anything changes.
void RefuseLength(std::size_t length) {
    if (length > static_cast<std::size_t>(EditorModel::kMaxLength))
        throw Error("The text is too large: the editor holds at most 1 GiB");
}

}  // namespace tarnwick
