#pragma once
// The per-program profiles in the program: the rules read from config.ini
// after start-up, the watch run by them, the switch they make, the tray
// menu's dialog, and the on/off switch for other parts of the program.
#include <memory>

#include "app/app_state.h"
#include "app/auto_switch.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

class AutoSwitchFeature : private ProfileSwitchTarget {
public:
    AutoSwitchFeature(AppState& state, platform::Platform& platform, Subsystems& subsystems);

    // Reads [AutoSwitch] and starts the watch when the switch is on and
    // there is a rule. Once start-up has found the mouse.
    void Start();
    // The dialog of the tray menu; saves and uses the rules on OK.
    void OpenDialog();

    // The on/off switch, also written to config.ini.
    bool AutoSwitchOn() const;
    void SetAutoSwitchOn(bool on);

private:
    std::int32_t ProfileInMouse() override;
    bool MacroPlaying() override;
    void SwitchProfileAndApply(std::int32_t number) override;

    AppState& state_;
    platform::Platform& platform_;
    Subsystems& subsystems_;
    // Only with a backend that has a watch.
    std::unique_ptr<AutoSwitcher> switcher_;
};

}  // namespace vx::app
