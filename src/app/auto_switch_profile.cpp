#include "app/auto_switch_profile.h"

#include "settings/profiles.h"

namespace vx::app {

void SwitchProfileAndApply(AppState& state, platform::Platform& platform, Subsystems& subsystems, std::int32_t number) {
    if (state.shutdownStarted || !state.device.link.MouseConnected || number < 1 || number > 5) return;
    settings::SwitchConfig(state.settings, platform.profiles, number);
    subsystems.ApplyConfiguration();
}

}  // namespace vx::app
