#include "editor/SystemColours.h"

#include <utility>

namespace tarnwick {

namespace {

SystemColourResolver& Resolver() {
    static SystemColourResolver resolver;
    return resolver;
}

}  // namespace

void SetSystemColourResolver(SystemColourResolver resolver) { Resolver() = std::move(resolver); }

Colour DisplayedColour(Colour c) {
    if (c == kWindowTextColour) return kBlack;  // the text colour colouring and plain text use
    if (!IsSystemColour(c)) return c & 0x00FFFFFFu;
    return Resolver() ? Resolver()(SystemColourIndex(c)) & 0x00FFFFFFu : kBlack;
}

}  // namespace tarnwick
