#pragma once
// The per-program profiles' decisions: the program in front must stay in
// front for the settle time before its rule's profile is switched to and
// applied (an Alt+Tab through several windows sends nothing); never while a
// macro pass plays; nothing when the mouse already holds the profile; the
// program's own windows never count. A profile the user chose by hand holds
// until the program in front changes again.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/foreground_watch.h"
#include "platform/program_rules.h"

namespace vx::app {

inline constexpr int kSettleMs = 500;
// While a macro pass plays, how often the switch looks whether it ended.
inline constexpr int kMacroWaitMs = 50;

// What a switch acts on.
class ProfileSwitchTarget {
public:
    virtual ~ProfileSwitchTarget() = default;
    // The profile the mouse holds (the last applied, [Init] CurConfig).
    virtual std::int32_t ProfileInMouse() = 0;
    virtual bool MacroPlaying() = 0;
    // As a click on the profile and on Apply would.
    virtual void SwitchProfileAndApply(std::int32_t number) = 0;
};

class AutoSwitcher {
public:
    AutoSwitcher(platform::ForegroundWatch& watch, platform::Clock& clock, platform::Diagnostics& diagnostics,
                 ProfileSwitchTarget& target);

    // New rules: the watch runs only while the switch is on and there is a
    // rule. False when the system refused the watch.
    bool Configure(platform::ProgramRules rules);
    const platform::ProgramRules& Rules() const { return rules_; }
    bool Watching() const { return watching_; }

    void OnForegroundChanged(const platform::ForegroundProgram& program);
    void OnSettleDue();

private:
    void ArmSettle(int ms);
    void Decide(const platform::ForegroundProgram& program);

    platform::ForegroundWatch& watch_;
    platform::Clock& clock_;
    platform::Diagnostics& diagnostics_;
    ProfileSwitchTarget& target_;
    platform::ProgramRules rules_;
    bool watching_ = false;
    bool refusalReported_ = false;
    // The newest program in front and when it came, until it settles.
    std::optional<platform::ForegroundProgram> pending_;
    std::int64_t pendingSinceMicros_ = 0;
    // The program in front the last decision was about.
    std::optional<platform::ForegroundProgram> settled_;
    // The profile in the mouse before the first automatic switch, while
    // switched by a rule.
    std::optional<std::int32_t> before_;
};

}  // namespace vx::app
