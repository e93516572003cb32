// The per-program profiles inside the program: the rules read after
// start-up, the switch as a profile click and Apply, the tray dialog and
// the on/off switch, over the test platform.
#include "app/auto_switch_feature.h"

#include <gtest/gtest.h>

#include "platform/testing/fake_foreground_watch.h"
#include "platform/testing/test_platform.h"
#include "recording_subsystems.h"
#include "settings/auto_switch_file.h"

namespace vx::app {
namespace {

using platform::testing::TestPlatform;
using test_support::Log;
using test_support::RecordingSubsystems;

class FakeRulesDialog : public platform::ProgramRulesDialog {
public:
    std::optional<platform::ProgramRules> answer;
    std::vector<platform::ProgramRulesTexts> shown;
    std::optional<platform::ProgramRules> Edit(const platform::ProgramRules&, const platform::ProgramRulesTexts& texts,
                                               const std::vector<platform::ForegroundProgram>&) override {
        shown.push_back(texts);
        return answer;
    }
};

constexpr const char* kConfig = "C:\\vx\\config.ini";
const platform::ForegroundProgram kGame{"C:\\Games\\game.exe", "", ""};

class AutoSwitchFeatureTest : public ::testing::Test {
protected:
    AutoSwitchFeatureTest() {
        state.settings.ConfigPath = kConfig;
        state.settings.CurrentConfigNumber = 1;
        state.settings.UiLanguage = settings::UiLanguage::English;
        state.device.link.MouseConnected = true;
        fakes.Bundle().foreground = &watch;
        fakes.Bundle().rulesDialog = &dialog;
        fakes.files.SetFile(kConfig,
                            "[Init]\r\nCurConfig=1\r\n[Config3]\r\nK0=7\r\n[AutoSwitch]\r\nEnabled=1\r\nRules=1\r\n"
                            "Rule1=3|program|game.exe\r\n");
        feature = std::make_unique<AutoSwitchFeature>(state, fakes.Bundle(), subsystems);
    }
    TestPlatform fakes;
    platform::testing::FakeForegroundWatch watch{fakes.clock};
    FakeRulesDialog dialog;
    RecordingSubsystems subsystems{fakes.log};
    AppState state;
    // Made once the bundle holds the watch and the dialog.
    std::unique_ptr<AutoSwitchFeature> feature;
};

TEST_F(AutoSwitchFeatureTest, ARuleSwitchesAsAProfileClickAndApplyWould) {
    feature->Start();
    ASSERT_TRUE(watch.Running());
    EXPECT_TRUE(feature->AutoSwitchOn());
    fakes.log.Take();
    watch.BringToFront(kGame);
    watch.Advance(1000);
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 3);
    EXPECT_EQ(state.settings.config.K0, 7);
    EXPECT_EQ(fakes.log.Take(), (Log{"ApplyConfiguration", "Invalidate", "Notice:Profile 3 applied"}));
}

TEST_F(AutoSwitchFeatureTest, NothingSwitchesOnceTheProgramEnds) {
    feature->Start();
    fakes.log.Take();
    watch.BringToFront(kGame);
    state.shutdownStarted = true;
    watch.Advance(1000);
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 1);
    EXPECT_TRUE(fakes.log.Take().empty());
}

TEST_F(AutoSwitchFeatureTest, TheDialogSpeaksTheInterfaceLanguageAndOkSavesAndUsesTheRules) {
    state.settings.UiLanguage = settings::UiLanguage::Chinese;
    watch.reach = platform::ForegroundReach::X11Programs;
    dialog.answer = platform::ProgramRules{true, {{platform::RuleMatch::Folder, "C:\\Games", 4}}, 2};
    feature->OpenDialog();
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0].title, "程序配置");
    EXPECT_EQ(dialog.shown[0].reach.rfind("Wayland", 0), 0u);
    EXPECT_EQ(settings::ReadProgramRules(fakes.profiles, kConfig, fakes.diagnostics), *dialog.answer);
    EXPECT_TRUE(watch.Running());
}

TEST_F(AutoSwitchFeatureTest, CancelWritesNothing) {
    feature->Start();
    const int writes = fakes.files.WriteCount();
    feature->OpenDialog();
    EXPECT_EQ(fakes.files.WriteCount(), writes);
}

TEST_F(AutoSwitchFeatureTest, TheSwitchTurnedOffStopsTheWatchAndIsKept) {
    feature->Start();
    feature->SetAutoSwitchOn(false);
    EXPECT_FALSE(watch.Running());
    EXPECT_FALSE(feature->AutoSwitchOn());
    EXPECT_FALSE(settings::ReadProgramRules(fakes.profiles, kConfig, fakes.diagnostics).enabled);
    feature->SetAutoSwitchOn(true);
    EXPECT_TRUE(watch.Running());
}

}  // namespace
}  // namespace vx::app
