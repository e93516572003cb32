#pragma once
// [Hotkeys] of config.ini, a section only these read: a combination per
// profile ("Profile3=Ctrl+Alt+3"), one that turns the per-program profiles
// off and on ("AutoSwitch="), and Notice=0 that turns the notice off. All
// empty by default: the user turns them on.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_events.h"

namespace vx::app {

enum class HotkeyAction { Profile1 = 1, Profile2, Profile3, Profile4, Profile5, AutoSwitch };

// The key of [Hotkeys] that holds the action's combination.
std::string HotkeyKeyName(HotkeyAction action);
inline constexpr HotkeyAction kHotkeyActions[] = {HotkeyAction::Profile1, HotkeyAction::Profile2,
                                                  HotkeyAction::Profile3, HotkeyAction::Profile4,
                                                  HotkeyAction::Profile5, HotkeyAction::AutoSwitch};

// "Ctrl+Alt+3": modifiers Ctrl (Control), Alt, Shift, Win (Super), any
// case, then one key: 0..9, A..Z, F1..F12. At least one modifier of Ctrl,
// Alt and Win: a plain or shifted key would be taken from every program.
struct ParsedHotkey {
    std::optional<platform::Hotkey> hotkey;
    std::string error;
};
ParsedHotkey ParseHotkey(std::string_view text);

// The combination as the user writes it, e.g. "Ctrl+Alt+3".
std::string HotkeyText(const platform::Hotkey& hotkey);

}  // namespace vx::app
