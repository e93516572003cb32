#include "platform/qt/qt_keys.h"

namespace vx::platform {
namespace {

struct KeyPair {
    int qtKey;
    std::uint32_t virtualKey;
};

// Keys whose Windows code is not their character.
constexpr KeyPair kKeyTable[] = {
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    // Shifted digits keep the digit's key.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// The low-level hook that records on Windows tells left from right
// modifiers; so does the X key symbol.
std::uint32_t SidedModifier(std::uint32_t virtualKey, quint32 keySymbol) {
    constexpr quint32 kShiftRight = 0xFFE2, kControlRight = 0xFFE4, kAltRight = 0xFFEA, kAltGr = 0xFE03;
    switch (virtualKey) {
        case 0x10: return keySymbol == kShiftRight ? 0xA1 : 0xA0;
        case 0x11: return keySymbol == kControlRight ? 0xA3 : 0xA2;
        case 0x12: return keySymbol == kAltRight || keySymbol == kAltGr ? 0xA5 : 0xA4;
        default: return virtualKey;
    }
}

}  // namespace

std::optional<KeyEvent> KeyEventOf(const QKeyEvent& key, bool sided) {
    std::uint32_t code = VirtualKeyOf(key.key(), key.modifiers());
    if (code == 0) return std::nullopt;
    if (sided) code = SidedModifier(code, key.nativeVirtualKey());
    KeyEvent event;
    event.action = key.type() == QEvent::KeyPress ? KeyAction::Down : KeyAction::Up;
    event.code = code;
    // Alt and F10 work the window menu.
    event.menuKey = (key.modifiers() & Qt::AltModifier) || key.key() == Qt::Key_F10;
    // X sends the keyboard's repeat as a release and a press.
    event.autoRepeat = key.isAutoRepeat();
    return event;
}

std::uint32_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::uint32_t>(0x60 + qtKey - Qt::Key_0);
        if (qtKey == Qt::Key_Asterisk) return 0x6A;
        if (qtKey == Qt::Key_Plus) return 0x6B;
        if (qtKey == Qt::Key_Minus) return 0x6D;
        if (qtKey == Qt::Key_Period) return 0x6E;
        if (qtKey == Qt::Key_Slash) return 0x6F;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<std::uint32_t>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<std::uint32_t>(0x70 + qtKey - Qt::Key_F1);
    for (const KeyPair& pair : kKeyTable) {
        if (pair.qtKey == qtKey) return pair.virtualKey;
    }
    return 0;
}

}  // namespace vx::platform
