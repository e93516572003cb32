#include "app/profile_switch.h"

#include "settings/mouse_config.h"
#include "settings/profiles.h"

namespace vx::app {

bool SwitchAndApplyProfile(AppState& state, platform::Platform& platform, Subsystems& subsystems, std::int32_t number) {
    if (state.shutdownStarted || !state.device.link.MouseConnected || number < 1 || number > 5) return false;
    settings::SwitchConfig(state.settings, platform.profiles, number);
    subsystems.ApplyConfiguration();
    platform.window.Invalidate();
    return true;
}

std::string ProfileAppliedText(settings::UiLanguage language, std::int32_t number) {
    const std::string digit = std::to_string(number);
    return settings::UsesEnglish(language) ? "Profile " + digit + " applied" : "已应用配置 " + digit;
}

void NoticeProfileApplied(AppState& state, platform::Platform& platform, std::int32_t number) {
    const std::string setting =
        platform.profiles.ReadString(state.settings.ConfigPath, kHotkeysSection, kNoticeKey, 16);
    if (setting == "0") return;
    platform.window.ShowNotice(ProfileAppliedText(state.settings.UiLanguage, number));
}

}  // namespace vx::app
