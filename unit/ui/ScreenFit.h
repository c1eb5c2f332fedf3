#pragma once

#include <QRect>

class QApplication;
class QWidget;

namespace tarnwick {

// A window's outer rectangle kept inside an available area: moved in first,
// and shrunk only where it is larger than the area. One that fits is
// returned as it is.
QRect FitInside(const QRect& frame, const QRect& available);

// The free area (without panels and task bars) of the screen a window with
// this outer rectangle opens on: the screen under its centre, else the one it
// overlaps most, else the primary one.
QRect AvailableArea(const QRect& frame);

// Moves, then shrinks, a top-level window into that area; a maximised or
// full-screen one is left alone.
void KeepOnScreen(QWidget* window);

// From now on every window and dialog is kept on its screen when it is shown,
// and again once the window manager has put its frame round it.
void KeepWindowsOnScreen(QApplication& app);

}  // namespace tarnwick
