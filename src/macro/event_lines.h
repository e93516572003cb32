#pragma once
// The text of the macro editor's event list: line 2k is event k, line
// 2k + 1 the delay after it; the delay after the last event is not shown.
#include <cstdint>
#include <string>

#include "macro/macro_record.h"

namespace vx::macro {

// The display name of an event code (a HID keyboard usage or 240..242).
std::string KeyName(std::uint8_t code);
// "[↓]" or "[↑]" and the key name, or the key name alone for another action.
std::string EventLineText(const MacroEvent& event);
// Four spaces, the delay, "ms".
std::string DelayLineText(std::uint16_t delayMs);

}  // namespace vx::macro
