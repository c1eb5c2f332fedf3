#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// What a text must be to go into the editor model: CR LF breaks, and no
// longer than the model holds.

// Whether every line break is CR LF already: no lone CR and no lone LF.
bool OnlyCrLfBreaks(std::string_view text);
// Every line break becomes CR LF: CR LF, a lone CR and a lone LF each count as one.
std::string NormaliseBreaks(std::string_view text);
// Refuses a text longer than the model holds, before anything changes.
void RefuseLength(std::size_t length);

}  // namespace tarnwick
