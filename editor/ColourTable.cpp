#include "editor/ColourTable.h"

#include <limits>

namespace tarnwick {

std::optional<std::uint8_t> ColourTable::Find(Colour stored) const {
    if (last_ < entries_.size() && entries_[last_] == stored) return last_;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i] == stored) {
            last_ = static_cast<std::uint8_t>(i);
            return last_;
        }
    return std::nullopt;
}

std::optional<std::uint8_t> ColourTable::FindOrAdd(Colour stored) {
    if (auto found = Find(stored)) return found;
    if (Full()) return std::nullopt;
    entries_.push_back(stored);
    last_ = static_cast<std::uint8_t>(entries_.size() - 1);
    return last_;
}

std::uint8_t ColourTable::Nearest(Colour stored) const {
    auto distance = [stored](Colour entry) {
        const Colour a = DisplayedColour(stored);
        const Colour b = DisplayedColour(entry);
        auto square = [](int d) { return static_cast<long long>(d) * d; };
        const long long rgb = square(static_cast<int>(RedOf(a)) - static_cast<int>(RedOf(b))) +
                              square(static_cast<int>(GreenOf(a)) - static_cast<int>(GreenOf(b))) +
                              square(static_cast<int>(BlueOf(a)) - static_cast<int>(BlueOf(b)));
        return RoleOf(entry) == RoleOf(stored) ? rgb : rgb + (1LL << 20);
    };
    std::uint8_t best = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (const long long d = distance(entries_[i]); d < bestDistance) {
            bestDistance = d;
            best = static_cast<std::uint8_t>(i);
        }
    return best;
}

void ColourTable::Renew(ColourRole role, Colour stored) {
    for (Colour& entry : entries_)
        if (RoleOf(entry) == role) entry = stored;
}

}  // namespace tarnwick
