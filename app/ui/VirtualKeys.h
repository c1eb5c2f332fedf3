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

// The virtual-key code of a Qt key event, as a US keyboard produces it
// (Shift+9 is still the 9 key, 57); 0 for keys that have none.
int VirtualKeyOf(const QKeyEvent& event);
KeyModifiers ModifiersOf(const QKeyEvent& event);

}  // namespace tarnwick
