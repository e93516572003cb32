#include "platform/win32/win32_input.h"

namespace vx::platform {
namespace {

// The about entry the program appends to the window menu.
constexpr WPARAM kAboutCommand = 0x0010;
// Bit 30 of a key-down's lParam: the key was already down.
constexpr LPARAM kPreviousKeyState = 1 << 30;

}  // namespace

std::optional<KeyEvent> KeyEventOf(UINT message, WPARAM wParam, LPARAM lParam) {
    KeyEvent event;
    event.code = static_cast<std::uint32_t>(wParam);
    switch (message) {
        case WM_SYSKEYDOWN: event.menuKey = true; [[fallthrough]];
        case WM_KEYDOWN:
            event.action = KeyAction::Down;
            event.autoRepeat = (lParam & kPreviousKeyState) != 0;
            return event;
        case WM_SYSKEYUP: event.menuKey = true; [[fallthrough]];
        case WM_KEYUP: event.action = KeyAction::Up; return event;
        case WM_SYSCHAR: event.menuKey = true; [[fallthrough]];
        case WM_CHAR: event.action = KeyAction::Character; return event;
        default: return std::nullopt;
    }
}

std::optional<PointerEvent> PointerEventOf(UINT message, Point at) {
    switch (message) {
        case WM_MOUSEMOVE: return PointerEvent{PointerAction::Move, PointerButton::None, at};
        case WM_LBUTTONDOWN: return PointerEvent{PointerAction::Press, PointerButton::Left, at};
        case WM_LBUTTONDBLCLK: return PointerEvent{PointerAction::DoublePress, PointerButton::Left, at};
        case WM_LBUTTONUP: return PointerEvent{PointerAction::Release, PointerButton::Left, at};
        case WM_RBUTTONDOWN: return PointerEvent{PointerAction::Press, PointerButton::Right, at};
        case WM_RBUTTONDBLCLK: return PointerEvent{PointerAction::DoublePress, PointerButton::Right, at};
        case WM_RBUTTONUP: return PointerEvent{PointerAction::Release, PointerButton::Right, at};
        default: return std::nullopt;
    }
}

std::optional<SystemCommand> SystemCommandOf(WPARAM wParam) {
    switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: return SystemCommand::Minimize;
        case SC_RESTORE: return SystemCommand::Restore;
        case SC_CLOSE: return SystemCommand::Close;
        case kAboutCommand: return SystemCommand::About;
        default: return std::nullopt;
    }
}

WPARAM SystemCommandValue(SystemCommand command) {
    switch (command) {
        case SystemCommand::Minimize: return SC_MINIMIZE;
        case SystemCommand::Restore: return SC_RESTORE;
        case SystemCommand::Close: return SC_CLOSE;
        case SystemCommand::About: return kAboutCommand;
    }
    return 0;
}

}  // namespace vx::platform
