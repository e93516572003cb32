#include "app/auto_switch.h"

#include <utility>

#include "settings/program_match.h"

namespace vx::app {

AutoSwitcher::AutoSwitcher(platform::ForegroundWatch& watch, platform::Clock& clock, platform::Diagnostics& diagnostics,
                           ProfileSwitchTarget& target)
    : watch_(watch), clock_(clock), diagnostics_(diagnostics), target_(target) {}

bool AutoSwitcher::Configure(platform::ProgramRules rules) {
    rules_ = std::move(rules);
    const bool wanted = rules_.enabled && !rules_.rules.empty();
    pending_.reset();
    settled_.reset();
    watch_.CancelCall();
    if (!wanted) {
        if (watching_) watch_.Stop();
        watching_ = false;
        before_.reset();
        return true;
    }
    watching_ = watch_.Start([this](const platform::ForegroundProgram& program) { OnForegroundChanged(program); });
    if (!watching_ && !refusalReported_) {
        refusalReported_ = true;
        diagnostics_.Report("per-program profiles: the system refused the watch on the program in front");
    }
    return watching_;
}

void AutoSwitcher::ArmSettle(int ms) {
    watch_.CallAfter(ms, [this] { OnSettleDue(); });
}

void AutoSwitcher::OnForegroundChanged(const platform::ForegroundProgram& program) {
    if (!watching_ || program.ownProgram) return;
    const bool timerPending = pending_.has_value();
    pending_ = program;
    pendingSinceMicros_ = clock_.NowMicros();
    // A running settle call looks at the newest program and time when due.
    if (!timerPending) ArmSettle(kSettleMs);
}

void AutoSwitcher::OnSettleDue() {
    if (!pending_) return;
    const std::int64_t settledAt = pendingSinceMicros_ + std::int64_t{kSettleMs} * 1000;
    const std::int64_t left = settledAt - clock_.NowMicros();
    if (left > 0) {
        ArmSettle(static_cast<int>((left + 999) / 1000));
        return;
    }
    if (target_.MacroPlaying()) {
        // The pass lets go of everything it pressed when it ends.
        ArmSettle(kMacroWaitMs);
        return;
    }
    const platform::ForegroundProgram program = std::move(*pending_);
    pending_.reset();
    Decide(program);
}

void AutoSwitcher::Decide(const platform::ForegroundProgram& program) {
    // The same program back in front (after a quick look elsewhere): a
    // profile chosen by hand meanwhile holds.
    if (settled_ == program) return;
    settled_ = program;
    const std::int32_t inMouse = target_.ProfileInMouse();
    std::int32_t wanted = 0;
    std::string reason;
    if (const auto index = settings::FirstMatchingRule(rules_, program)) {
        wanted = rules_.rules[*index].config;
        reason = "rule " + std::to_string(*index + 1);
        if (!before_) before_ = inMouse;
    } else if (rules_.fallback != platform::kFallbackToPrevious) {
        wanted = rules_.fallback;
        reason = "no rule, the default";
        before_.reset();
    } else if (before_) {
        wanted = *before_;
        reason = "no rule, the profile from before";
        before_.reset();
    }
    if (wanted < 1 || wanted > 5 || wanted == inMouse) return;
    // The one place a rule switches the profile.
    diagnostics_.Report("per-program profiles: " + reason + " -> profile " + std::to_string(wanted));
    target_.SwitchProfileAndApply(wanted);
}

}  // namespace vx::app
