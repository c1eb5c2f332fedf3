#pragma once

namespace tarnwick {

// Resolves the system colours from the application's palette.
void UsePaletteForSystemColours();

}  // namespace tarnwick
