// The running program's side of vx230ctl: each request carried out as the
// matching clicks would, refusals changing nothing, the notice.
#include "app/control_requests.h"

#include <gtest/gtest.h>

#include "app/profile_switch.h"
#include "platform/testing/test_platform.h"
#include "recording_subsystems.h"

namespace vx::app {
namespace {

using platform::testing::TestPlatform;
using test_support::Log;
using test_support::RecordingSubsystems;

constexpr const char* kConfig =
    "[Init]\r\nCurConfig=2\r\nVER_SEL=1\r\n"
    "[Config2]\r\nDPI_LEVEL=2\r\nWHEEL_STATUS=0\r\n"
    "[Config3]\r\nDPI_LEVEL=3\r\nWHEEL_STATUS=1\r\n";

class ControlRequestsTest : public ::testing::Test {
protected:
    ControlRequestsTest() {
        state.settings.ProgramDir = "C:\\vx";
        state.settings.ConfigPath = "C:\\vx\\config.ini";
        state.settings.CurrentConfigNumber = 2;
        state.settings.UiLanguage = settings::UiLanguage::English;
        state.device.link.MouseConnected = true;
        fakes.files.SetFile(state.settings.ConfigPath, kConfig);
    }
    std::string Ask(const std::string& line) { return AnswerControlRequest(state, fakes.Bundle(), subsystems, line); }
    std::string Config() { return *fakes.files.GetFile(state.settings.ConfigPath); }

    TestPlatform fakes;
    RecordingSubsystems subsystems{fakes.log};
    AppState state;
};

TEST_F(ControlRequestsTest, StatusTellsTheMouseTheProfilesAndTheLanguage) {
    EXPECT_EQ(Ask("VX230CTL/1 status"),
              "VX230CTL/1 ok mouse=connected profile=2 applied=2 language=en autoswitch=off");
    state.settings.CurrentConfigNumber = 4;
    state.settings.UiLanguage = settings::UiLanguage::Chinese;
    state.autoSwitchOn = [] { return true; };
    EXPECT_EQ(Ask("VX230CTL/1 status"),
              "VX230CTL/1 ok mouse=connected profile=4 applied=2 language=cn autoswitch=on");
    EXPECT_TRUE(fakes.window.Notices().empty());
}

TEST_F(ControlRequestsTest, ProfileSwitchesLoadsAppliesRepaintsAndTellsTheUser) {
    EXPECT_EQ(Ask("VX230CTL/1 profile 3"), "VX230CTL/1 ok profile=3 applied=3");
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 3);
    EXPECT_EQ(state.settings.config.WHEEL_STATUS, 1);
    EXPECT_EQ(fakes.log.Take(), (Log{"ApplyConfiguration", "Invalidate", "Notice:Profile 3 applied"}));

    state.settings.UiLanguage = settings::UiLanguage::Chinese;
    EXPECT_EQ(Ask("VX230CTL/1 apply"), "VX230CTL/1 ok profile=3 applied=3");
    EXPECT_EQ(fakes.log.Take(), (Log{"ApplyConfiguration", "Invalidate", "Notice:已应用配置 3"}));
}

TEST_F(ControlRequestsTest, TheNoticeCanBeTurnedOff) {
    fakes.files.SetFile(state.settings.ConfigPath, std::string(kConfig) + "[Hotkeys]\r\nNotice=0\r\n");
    EXPECT_EQ(Ask("VX230CTL/1 profile 3"), "VX230CTL/1 ok profile=3 applied=3");
    EXPECT_TRUE(fakes.window.Notices().empty());
}

TEST_F(ControlRequestsTest, ExportWritesTheSavedProfileAndImportWritesItBack) {
    state.settings.config.WHEEL_STATUS = 7;  // an unsaved edit of profile 2: not exported
    EXPECT_EQ(Ask("VX230CTL/1 export 3 C:\\out\\three.ini"), "VX230CTL/1 ok profile=3");
    const std::string exported = *fakes.files.GetFile("C:\\out\\three.ini");
    EXPECT_EQ(exported.rfind("[Config7]\r\n", 0), 0u) << exported;
    EXPECT_NE(exported.find("\r\nDPI_LEVEL=3\r\nWHEEL_STATUS=1\r\n"), std::string::npos) << exported;

    // Into the profile shown: it shows the import at once.
    EXPECT_EQ(Ask("VX230CTL/1 import 2 C:\\out\\three.ini"), "VX230CTL/1 ok profile=2");
    EXPECT_EQ(state.settings.config.DPI_LEVEL, 3);
    EXPECT_EQ(state.settings.config.WHEEL_STATUS, 1);
    EXPECT_EQ(Ask("VX230CTL/1 export 2 C:\\out\\two.ini"), "VX230CTL/1 ok profile=2");
    EXPECT_EQ(*fakes.files.GetFile("C:\\out\\two.ini"), exported);
    EXPECT_EQ(fakes.log.Take(), (Log{"Invalidate"}));
}

TEST_F(ControlRequestsTest, RefusalsChangeNothingAndGoOnRecord) {
    fakes.files.SetFile("C:\\out\\empty.ini", "[Config1]\r\nDPI_LEVEL=1\r\n");
    const struct {
        std::string line;
        std::string answer;
    } cases[] = {
        {"VX230CTL/9 profile 3", "VX230CTL/1 error request is not VX230CTL/1"},
        {"VX230CTL/1 profile 7", "VX230CTL/1 error profile: the profile is not 1..5"},
        {"VX230CTL/1 import 3 C:\\out\\empty.ini",
         "VX230CTL/1 error import: C:\\out\\empty.ini holds no profile ([Config7])"},
        {"VX230CTL/1 import 3 C:\\out\\missing.ini",
         "VX230CTL/1 error import: C:\\out\\missing.ini holds no profile ([Config7])"},
        {"VX230CTL/1 status " + std::string(5000, 'x'), "VX230CTL/1 error request longer than 4096 bytes"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Ask(c.line), c.answer);
        ASSERT_FALSE(fakes.diagnostics.Lines().empty());
        EXPECT_EQ(fakes.diagnostics.Lines().back(), "vx230ctl request refused: " + c.answer.substr(17));
    }
    EXPECT_EQ(fakes.diagnostics.Lines().size(), std::size(cases));
    EXPECT_EQ(Config(), kConfig);
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 2);
    EXPECT_TRUE(fakes.log.Take().empty());

    fakes.files.SetWritesFail(true);
    EXPECT_EQ(Ask("VX230CTL/1 export 3 C:\\out\\x.ini"),
              "VX230CTL/1 error export: C:\\out\\x.ini could not be written");
}

TEST_F(ControlRequestsTest, NothingIsCarriedOutOnceTheProgramEnds) {
    state.shutdownStarted = true;
    EXPECT_EQ(Ask("VX230CTL/1 profile 3"), "VX230CTL/1 error the program is ending");
    EXPECT_TRUE(fakes.log.Take().empty());
}

TEST(ProfileAppliedText, BothLanguages) {
    EXPECT_EQ(ProfileAppliedText(settings::UiLanguage::English, 3), "Profile 3 applied");
    EXPECT_EQ(ProfileAppliedText(settings::UiLanguage::Chinese, 5), "已应用配置 5");
}

}  // namespace
}  // namespace vx::app
