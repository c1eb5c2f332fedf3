#include "window/ui/PaletteColours.h"

#include "editor/SystemColours.h"

#include <QApplication>
#include <QPalette>

namespace tarnwick {

namespace {

// The palette's stand-in for each Windows system colour number.
QColor PaletteColour(const QPalette& p, int index) {
    switch (index) {
    case 1: case 4: case 30: return p.color(QPalette::Window);          // desktop, menu, menu bar
    case 2: case 13: case 27: case 29: return p.color(QPalette::Highlight);
    case 3: case 19: case 28: return p.color(QPalette::Mid);            // inactive captions
    case 5: return p.color(QPalette::Base);                              // window
    case 6: case 21: return p.color(QPalette::Shadow);                   // frame, dark 3-D shadow
    case 7: return p.color(QPalette::WindowText);                        // menu text
    case 8: return p.color(QPalette::Text);                              // window text
    case 9: case 14: return p.color(QPalette::HighlightedText);
    case 12: case 16: return p.color(QPalette::Dark);                    // workspace, button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text);         // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 20: return p.color(QPalette::Light);
    case 22: return p.color(QPalette::Midlight);
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    case 26: return p.color(QPalette::Link);                             // hot-tracked item
    default: return p.color(QPalette::Button);                           // scroll bar, borders, button face
    }
}

}  // namespace

void UsePaletteForSystemColours() {
    SetSystemColourResolver([](int index) {
        const QColor c = PaletteColour(QApplication::palette(), index);
        return RgbColour(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()),
                         static_cast<unsigned>(c.blue()));
    });
}

}  // namespace tarnwick
