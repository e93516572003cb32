#include "app/hotkeys.h"

#include "app/hotkey_table.h"
#include "app/profile_switch.h"

namespace vx::app {
namespace {

constexpr std::size_t kHotkeyTextCapacity = 64;

}  // namespace

void RegisterHotkeys(AppState& state, platform::Platform& platform) {
    for (const HotkeyAction action : kHotkeyActions) {
        const std::string key = HotkeyKeyName(action);
        const std::string text =
            platform.profiles.ReadString(state.settings.ConfigPath, kHotkeysSection, key, kHotkeyTextCapacity);
        if (text.empty()) continue;
        const ParsedHotkey parsed = ParseHotkey(text);
        if (!parsed.hotkey) {
            platform.diagnostics.Report("hotkey " + key + "=" + text + " ignored: " + parsed.error);
            continue;
        }
        // Without the per-program profiles there is nothing to turn on.
        if (action == HotkeyAction::AutoSwitch && !state.setAutoSwitchOn) continue;
        if (!platform.window.RegisterHotkey(static_cast<int>(action), *parsed.hotkey)) {
            platform.diagnostics.Report("hotkey " + key + "=" + HotkeyText(*parsed.hotkey) +
                                        " refused: another program holds it, or the desktop lets no program take it");
        }
    }
}

void OnHotkey(AppState& state, platform::Platform& platform, Subsystems& subsystems, int id) {
    if (state.shutdownStarted) return;
    if (id == static_cast<int>(HotkeyAction::AutoSwitch)) {
        if (state.setAutoSwitchOn && state.autoSwitchOn) state.setAutoSwitchOn(!state.autoSwitchOn());
        return;
    }
    if (id < static_cast<int>(HotkeyAction::Profile1) || id > static_cast<int>(HotkeyAction::Profile5)) return;
    if (SwitchAndApplyProfile(state, platform, subsystems, id)) NoticeProfileApplied(state, platform, id);
}

}  // namespace vx::app
