#pragma once
// Windows messages in the program's own terms, and back where the program
// asks the system for something.
#include "platform/win32/windows_api.h"

#include <optional>

#include "platform/input_events.h"
#include "platform/system_events.h"

namespace vx::platform {

// Key-downs, key-ups and characters, the Alt-held ("system") kinds too.
std::optional<KeyEvent> KeyEventOf(UINT message, WPARAM wParam, LPARAM lParam);

// The buttons' messages (client or tray); nothing for other messages.
std::optional<PointerEvent> PointerEventOf(UINT message, Point at);

// WM_SYSCOMMAND's command (its low four bits are the system's own); nothing
// for the commands the program leaves to the system.
std::optional<SystemCommand> SystemCommandOf(WPARAM wParam);
WPARAM SystemCommandValue(SystemCommand command);

}  // namespace vx::platform
