#pragma once
// Keys and the pointer in the program's own terms. Each backend translates
// its system's events into these at its edge; the logic sees nothing else.
#include <cstdint>

#include "platform/geometry.h"

namespace vx::platform {

// The keys the program tells apart. The values are the virtual-key numbers
// the macro files store, so that a recorded key is kept as it is; keys
// without a name here travel as their number (Key{0x41} is A).
enum class Key : std::uint8_t {
    None = 0x00,
    Return = 0x0D,
    Shift = 0x10,
    Control = 0x11,
    Alt = 0x12,
    Escape = 0x1B,
    Space = 0x20,
    F10 = 0x79,
    LeftShift = 0xA0,
    RightShift = 0xA1,
    LeftControl = 0xA2,
    RightControl = 0xA3,
    LeftAlt = 0xA4,
    RightAlt = 0xA5,
};

enum class KeyAction : std::uint8_t { Down, Up, Character };

// A key combination that reaches the program wherever the keyboard is.
struct Hotkey {
    bool control = false;
    bool alt = false;
    bool shift = false;
    bool super = false;  // the Windows key, Super on Linux
    Key key = Key::None;

    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

struct KeyEvent {
    KeyAction action = KeyAction::Down;
    // Down and Up: the key's number (Key). Character: the character typed.
    std::uint32_t code = 0;
    // Typed with Alt held, or F10: the keys that work the window's menu.
    bool menuKey = false;
    // Sent by the keyboard's own repeat while the key stays held.
    bool autoRepeat = false;

    Key AsKey() const { return static_cast<Key>(code & 0xFF); }
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

constexpr KeyEvent KeyDown(Key key, bool menuKey = false) {
    return KeyEvent{KeyAction::Down, static_cast<std::uint32_t>(key), menuKey, false};
}
constexpr KeyEvent KeyUp(Key key, bool menuKey = false) {
    return KeyEvent{KeyAction::Up, static_cast<std::uint32_t>(key), menuKey, false};
}

enum class PointerButton : std::uint8_t { None, Left, Right, Middle };

// The second press of a double click is a kind of its own: the program's
// windows do nothing with it, so a double click is one press and two
// releases.
enum class PointerAction : std::uint8_t { Move, Press, DoublePress, Release };

struct PointerEvent {
    PointerAction action = PointerAction::Move;
    PointerButton button = PointerButton::None;
    Point at;
    friend bool operator==(const PointerEvent&, const PointerEvent&) = default;
};

// Hands a pointer event to the three calls the program's windows take
// (moves, left presses and left releases); everything else is dropped.
template <typename Events>
void DispatchPointer(Events& events, const PointerEvent& event) {
    if (event.action == PointerAction::Move) {
        events.OnMouseMove(event.at);
    } else if (event.button == PointerButton::Left && event.action == PointerAction::Press) {
        events.OnLeftButtonDown(event.at);
    } else if (event.button == PointerButton::Left && event.action == PointerAction::Release) {
        events.OnLeftButtonUp(event.at);
    }
}

}  // namespace vx::platform
