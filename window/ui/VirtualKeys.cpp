#include "window/ui/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace tarnwick {

namespace {

// Shifted symbols of a US keyboard, taken back to the key that makes them.
int KeyOfShiftedSymbol(int key) {
    switch (key) {
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return vk::Period;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return vk::Quote;
    default: return 0;
    }
}

// The keys of the main block whose symbols move between layouts, by their X
// key code (the Linux input code plus 8): the digit row and the OEM keys.
int KeyOfXKeycode(quint32 code) {
    if (code >= 10 && code <= 18) return '1' + static_cast<int>(code - 10);
    switch (code) {
    case 19: return '0';
    case 20: return 189;  // minus
    case 21: return 187;  // equals
    case 34: return 219;  // left bracket
    case 35: return 221;  // right bracket
    case 47: return 186;  // semicolon
    case 48: return vk::Quote;
    case 49: return 192;  // grave
    case 51: return 220;  // backslash
    case 59: return 188;  // comma
    case 60: return vk::Period;
    case 61: return 191;  // slash
    case 94: return 226;  // the extra key beside left Shift
    default: return 0;
    }
}

// The keypad's own codes.
int KeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: case Qt::Key_Comma: return 110;  // the decimal key
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

bool ScanCodeIsXKeycode() {
    static const bool x = QGuiApplication::platformName() == "xcb" || QGuiApplication::platformName().startsWith("wayland");
    return x;
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) { return VirtualKeyOf(event, ScanCodeIsXKeycode()); }

int VirtualKeyOf(const QKeyEvent& event, bool scanCodeIsXKeycode) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier))
        if (const int keypad = KeypadKey(key)) return keypad;
#ifdef _WIN32
    if (event.nativeVirtualKey() != 0 && !(key >= Qt::Key_A && key <= Qt::Key_Z)) {
        const int native = static_cast<int>(event.nativeVirtualKey());
        if ((native >= '0' && native <= '9') || (native >= 186 && native <= 226)) return native;
    }
#endif
    if (scanCodeIsXKeycode)
        if (const int physical = KeyOfXKeycode(event.nativeScanCode())) return physical;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // capitals' codes, as the virtual keys
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt: return vk::Menu;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    default: return KeyOfShiftedSymbol(key);
    }
}

KeyModifiers ModifiersOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return {m.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
            m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier)};
}

}  // namespace tarnwick
