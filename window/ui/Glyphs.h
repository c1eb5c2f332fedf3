#pragma once

#include <QPalette>
#include <QPixmap>

namespace tarnwick {

// The menu and tool-bar glyphs (ImgLst): 16 x 16 pixels, drawn here in inks
// that read on the palette's window colour.
inline constexpr int kGlyphCount = 15;
namespace glyph {
inline constexpr int New = 0, Open = 1, Save = 2, Print = 3, Cut = 4, Copy = 5, Paste = 6, Find = 7,
                     Undo = 8, Replace = 9, Comment = 10, Uncomment = 11, Indent = 12, Outdent = 13,
                     Run = 14;
}  // namespace glyph
QPixmap Glyph(int index, const QPalette& palette);

// The completion list's glyphs (ImgLst2): 0 the function glyph, 1 the property glyph.
inline constexpr int kCompletionGlyphCount = 2;
QPixmap CompletionGlyph(int index);

}  // namespace tarnwick
