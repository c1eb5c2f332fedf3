#pragma once

#include "completion/EditorTracker.h"  // KeyModifiers

class QKeyEvent;

namespace tarnwick {

// The editor's key handlers see keys in the Windows manner: key codes are
// virtual-key codes (Enter 13, Escape 27, the period key 190 ...).

namespace vk {
inline constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
                     Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36,
                     Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
                     F1 = 112, Period = 190, Quote = 222;
}  // namespace vk

// The virtual-key code of a Qt key event: by the physical key where the
// platform tells it (its scan code is an X key code on X11 and Wayland, the
// virtual key itself on Windows), so "(" is the 9 key only where Shift+9 types
// it; otherwise as a US keyboard produces the symbol (Shift+9 is the 9 key, 57).
// Keypad keys have their own codes (its "." is 110, not the period key).
// 0 for keys that have none.
int VirtualKeyOf(const QKeyEvent& event);
// As above, saying whether the event's scan code is an X key code.
int VirtualKeyOf(const QKeyEvent& event, bool scanCodeIsXKeycode);
KeyModifiers ModifiersOf(const QKeyEvent& event);

}  // namespace tarnwick
