#pragma once
// Qt's keys in the program's terms: the key numbers the macro files store
// (the Windows virtual keys), and whole key events.
#include <QKeyEvent>

#include <cstdint>
#include <optional>

#include "platform/input_events.h"

namespace vx::platform {

// The program's key number of a Qt key (0 for a key without one).
std::uint32_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// A key press or release in the program's terms; `sided` tells the left
// and right Shift, Ctrl and Alt apart. Nothing for a key without a number.
std::optional<KeyEvent> KeyEventOf(const QKeyEvent& key, bool sided);

}  // namespace vx::platform
