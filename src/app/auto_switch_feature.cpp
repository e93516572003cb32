#include "app/auto_switch_feature.h"

#include "app/profile_switch.h"
#include "platform/portable/program_rules_dialog_model.h"
#include "settings/auto_switch_file.h"
#include "settings/settings_file.h"

namespace vx::app {

AutoSwitchFeature::AutoSwitchFeature(AppState& state, platform::Platform& platform, Subsystems& subsystems)
    : state_(state), platform_(platform), subsystems_(subsystems) {
    if (platform.foreground != nullptr) {
        switcher_ = std::make_unique<AutoSwitcher>(*platform.foreground, platform.clock, platform.diagnostics,
                                                   static_cast<ProfileSwitchTarget&>(*this));
    }
}

void AutoSwitchFeature::Start() {
    if (!switcher_ || state_.shutdownStarted) return;
    switcher_->Configure(
        settings::ReadProgramRules(platform_.profiles, state_.settings.ConfigPath, platform_.diagnostics));
}

void AutoSwitchFeature::OpenDialog() {
    if (state_.shutdownStarted || platform_.rulesDialog == nullptr) return;
    const platform::ForegroundReach reach =
        platform_.foreground != nullptr ? platform_.foreground->Reach() : platform::ForegroundReach::Nothing;
    const platform::ProgramRules current =
        switcher_ ? switcher_->Rules()
                  : settings::ReadProgramRules(platform_.profiles, state_.settings.ConfigPath, platform_.diagnostics);
    std::vector<platform::ForegroundProgram> running;
    if (platform_.foreground != nullptr) running = platform_.foreground->RunningPrograms();
    const auto edited = platform_.rulesDialog->Edit(
        current, platform::ProgramRulesDialogTexts(settings::UsesEnglish(state_.settings.UiLanguage), reach), running);
    if (!edited || state_.shutdownStarted) return;
    settings::WriteProgramRules(platform_.profiles, state_.settings.ConfigPath, *edited);
    if (switcher_) switcher_->Configure(*edited);
}

bool AutoSwitchFeature::AutoSwitchOn() const { return switcher_ && switcher_->Rules().enabled; }

void AutoSwitchFeature::SetAutoSwitchOn(bool on) {
    if (!switcher_ || state_.shutdownStarted) return;
    platform::ProgramRules rules = switcher_->Rules();
    rules.enabled = on;
    settings::WriteProgramRulesEnabled(platform_.profiles, state_.settings.ConfigPath, on);
    switcher_->Configure(std::move(rules));
}

std::int32_t AutoSwitchFeature::ProfileInMouse() {
    return settings::ReadCurrentConfigNumber(platform_.profiles, state_.settings.ConfigPath);
}

bool AutoSwitchFeature::MacroPlaying() { return state_.device.ActionRunning.load(std::memory_order_acquire); }

void AutoSwitchFeature::SwitchProfileAndApply(std::int32_t number) {
    if (app::SwitchAndApplyProfile(state_, platform_, subsystems_, number)) {
        NoticeProfileApplied(state_, platform_, number);
    }
}

}  // namespace vx::app
