// The per-program profiles' decisions over a fake clock: the settle time,
// the fallback both ways, no switch when the mouse holds the profile, the
// wait for a macro pass, the program's own windows, a choice by hand.
#include "app/auto_switch.h"

#include <gtest/gtest.h>

#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_foreground_watch.h"
#include "platform/testing/recording_diagnostics.h"

namespace vx::app {
namespace {

using platform::ForegroundProgram;
using platform::RuleMatch;

class FakeTarget : public ProfileSwitchTarget {
public:
    std::int32_t inMouse = 1;
    bool playing = false;
    std::vector<std::int32_t> switches;
    std::int32_t ProfileInMouse() override { return inMouse; }
    bool MacroPlaying() override { return playing; }
    void SwitchProfileAndApply(std::int32_t number) override {
        switches.push_back(number);
        inMouse = number;
    }
};

const ForegroundProgram kGame{"C:\\Games\\Shooter\\game.exe", "", ""};
const ForegroundProgram kEditor{"C:\\Windows\\notepad.exe", "", ""};
const ForegroundProgram kOther{"C:\\Tools\\calc.exe", "", ""};
const ForegroundProgram kProton{"/usr/bin/wine64-preloader", "steam_app_570", "steam_app_570.exe"};
const ForegroundProgram kOwn{"C:\\VX230\\ZUV_GMouse.exe", "", "", true};

class AutoSwitchTest : public ::testing::Test {
protected:
    platform::ProgramRules Rules(std::int32_t fallback = platform::kFallbackToPrevious) {
        return {true,
                {{RuleMatch::ProgramFile, "game.exe", 2},
                 {RuleMatch::ProgramFile, "notepad.exe", 3},
                 {RuleMatch::WindowClass, "steam_app_570", 5}},
                fallback};
    }
    platform::testing::FakeClock clock;
    platform::testing::FakeForegroundWatch watch{clock};
    platform::testing::RecordingDiagnostics diagnostics;
    FakeTarget target;
    AutoSwitcher switcher{watch, clock, diagnostics, target};
};

TEST_F(AutoSwitchTest, NoWatchWhileOffOrWithoutRules) {
    auto off = Rules();
    off.enabled = false;
    switcher.Configure(off);
    EXPECT_FALSE(watch.Running());
    switcher.Configure({true, {}, 0});
    EXPECT_FALSE(watch.Running());
    switcher.Configure(Rules());
    EXPECT_TRUE(watch.Running());
    switcher.Configure(off);
    EXPECT_FALSE(watch.Running());
}

TEST_F(AutoSwitchTest, TheRulesProfileFollowsOnlyOnceTheProgramHasSettled) {
    switcher.Configure(Rules());
    watch.BringToFront(kGame);
    watch.Advance(kSettleMs - 1);
    EXPECT_TRUE(target.switches.empty());
    watch.Advance(1);
    EXPECT_EQ(target.switches, std::vector<std::int32_t>{2});
    EXPECT_EQ(diagnostics.Lines(), std::vector<std::string>{"per-program profiles: rule 1 -> profile 2"});
}

TEST_F(AutoSwitchTest, AFastSwitchThroughThreeWindowsSendsNothing) {
    switcher.Configure(Rules());
    watch.BringToFront(kGame);
    watch.Advance(150);
    watch.BringToFront(kEditor);
    watch.Advance(150);
    watch.BringToFront(kOther);  // no rule, and nothing switched before
    watch.Advance(2000);
    EXPECT_TRUE(target.switches.empty());
    EXPECT_FALSE(watch.CallPending());
}

TEST_F(AutoSwitchTest, OnlyTheLastOfAFastSwitchCountsFromItsOwnArrival) {
    switcher.Configure(Rules());
    watch.BringToFront(kEditor);
    watch.Advance(300);
    watch.BringToFront(kGame);
    watch.Advance(kSettleMs - 1);
    EXPECT_TRUE(target.switches.empty());
    watch.Advance(1);
    EXPECT_EQ(target.switches, std::vector<std::int32_t>{2});
}

TEST_F(AutoSwitchTest, NothingIsSentWhenTheMouseHoldsTheProfile) {
    switcher.Configure(Rules());
    target.inMouse = 2;
    watch.BringToFront(kGame);
    watch.Advance(1000);
    EXPECT_TRUE(target.switches.empty());
    watch.BringToFront(kOther);  // back to the profile from before: 2 again
    watch.Advance(1000);
    EXPECT_TRUE(target.switches.empty());
}

TEST_F(AutoSwitchTest, NoRuleBringsBackTheProfileFromBeforeTheFirstSwitch) {
    switcher.Configure(Rules());
    target.inMouse = 4;
    watch.BringToFront(kGame);
    watch.Advance(1000);
    watch.BringToFront(kProton);
    watch.Advance(1000);
    watch.BringToFront(kOther);
    watch.Advance(1000);
    watch.BringToFront(ForegroundProgram{"C:\\x\\other2.exe", "", ""});  // no rule, nothing to restore
    watch.Advance(1000);
    EXPECT_EQ(target.switches, (std::vector<std::int32_t>{2, 5, 4}));
}

TEST_F(AutoSwitchTest, NoRuleBringsTheNamedDefaultWhenChosen) {
    switcher.Configure(Rules(1));
    target.inMouse = 4;
    watch.BringToFront(kOther);
    watch.Advance(1000);
    watch.BringToFront(kGame);
    watch.Advance(1000);
    watch.BringToFront(ForegroundProgram{"C:\\x\\other2.exe", "", ""});
    watch.Advance(1000);
    EXPECT_EQ(target.switches, (std::vector<std::int32_t>{1, 2, 1}));
}

TEST_F(AutoSwitchTest, ASwitchWaitsForTheMacroPassToEnd) {
    switcher.Configure(Rules());
    target.playing = true;
    watch.BringToFront(kGame);
    watch.Advance(3000);
    EXPECT_TRUE(target.switches.empty());
    target.playing = false;
    watch.Advance(kMacroWaitMs);
    EXPECT_EQ(target.switches, std::vector<std::int32_t>{2});
}

TEST_F(AutoSwitchTest, TheProgramsOwnWindowsNeverSwitch) {
    switcher.Configure(Rules(3));
    watch.BringToFront(kOwn);
    watch.Advance(1000);
    EXPECT_TRUE(target.switches.empty());
    EXPECT_FALSE(watch.CallPending());
}

TEST_F(AutoSwitchTest, AProfileChosenByHandHoldsUntilTheProgramInFrontChanges) {
    switcher.Configure(Rules());
    watch.BringToFront(kGame);
    watch.Advance(1000);
    target.inMouse = 3;  // the user applies profile 3 in the window
    watch.BringToFront(kOwn);
    watch.BringToFront(kGame);
    watch.Advance(1000);
    EXPECT_EQ(target.switches, std::vector<std::int32_t>{2});
    watch.BringToFront(kOther);
    watch.Advance(1000);
    EXPECT_EQ(target.switches, (std::vector<std::int32_t>{2, 1}));
}

TEST_F(AutoSwitchTest, ARefusedWatchIsOnRecordOnce) {
    watch.refuse = true;
    EXPECT_FALSE(switcher.Configure(Rules()));
    EXPECT_FALSE(switcher.Configure(Rules()));
    EXPECT_EQ(diagnostics.Lines().size(), 1u);
}

}  // namespace
}  // namespace vx::app
