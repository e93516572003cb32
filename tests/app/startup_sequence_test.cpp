#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <algorithm>

#include "app/app_state.h"
#include "app/application.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/window_lifecycle.h"
#include "platform/testing/test_platform.h"
#include "recording_subsystems.h"

namespace vx::app {
namespace {

using platform::testing::TestPlatform;
using test_support::Log;
using test_support::RecordingSubsystems;

constexpr const char* kConfig = "C:\\Games\\VX230\\config.ini";

class StartupSequence : public ::testing::Test {
protected:
    void SetUp() override {
        state.settings.ProgramDir = "C:\\Games\\VX230";
        fakes.window.resourceStrings[kAboutStringId] = "&About ZUV_GMouse...";
    }

    void WriteConfig(const std::string& text) { fakes.files.ReplaceAll(kConfig, text); }

    Log Run() {
        CZUV_GMouseDlg dialog(state, fakes.Bundle(), subsystems, noInterface);
        InitInstance(fakes.Bundle(), dialog);
        return fakes.log.Lines();
    }

    static std::ptrdiff_t IndexOf(const Log& log, const std::string& step) {
        const auto it = std::find(log.begin(), log.end(), step);
        return it == log.end() ? -1 : it - log.begin();
    }

    TestPlatform fakes;
    RecordingSubsystems subsystems{fakes.log};
    InterfaceEvents noInterface;
    AppState state;
};

TEST_F(StartupSequence, RunsEveryStepInOrderWhenTheMouseIsPresent) {
    WriteConfig("[Init]\r\nCurConfig=2\r\nVER_SEL=1\r\n[Config2]\r\nK0=1\r\nDPI_SPEED=4\r\n");
    const Log log = Run();
    const Log expected = {
        "CreateMutex:CZUV_GMouseApp",
        "InitCommonControls",
        "RunModal",
        "StartWorkers",
        "AppendSystemMenuItem:&About ZUV_GMouse...:About",
        "SetLargeIcon:159",
        "SetTitle:VX230 Gaming Mouse Driver",
        "LoadMainLayout",
        "LoadColorLayout",
        "LoadAdvancedLayout",
        "AllocateAdvancedControls",
        "LoadWarningLayout",
        "CreateFont:Consolas",
        "CreateFont:宋体",
        "LoadUserMacros:C:\\Games\\VX230\\Macro_EN.dat",
        "LoadConstantMacros:C:\\Games\\VX230\\constMacro.dat",
        "ResetMacroInterfaceState",
        "LoadLanguageMenus:1",
        "FindMouse",
        "Sleep:5",
        "ApplyConfiguration",
        "AddTrayIcon",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 2);
    EXPECT_EQ(state.settings.UiLanguage, settings::UiLanguage::English);
    EXPECT_EQ(state.settings.config.K0, 1);
    EXPECT_EQ(state.settings.config.DPI_SPEED, 4);
    EXPECT_EQ(state.settings.ConfigPath, kConfig);
    EXPECT_EQ(state.settings.SkinDir, "C:\\Games\\VX230\\skins");
    EXPECT_TRUE(state.device.link.MouseConnected);
}

TEST_F(StartupSequence, ClearsTheHandOverFlagsBeforeTheWorkersStart) {
    state.device.ActionRunning = true;
    state.device.StopRequested = true;
    bool clearedWhenStarted = false;
    struct Probe : RecordingSubsystems {
        using RecordingSubsystems::RecordingSubsystems;
        AppState* state = nullptr;
        bool* cleared = nullptr;
        void StartWorkers() override { *cleared = !state->device.ActionRunning && !state->device.StopRequested; }
    } probe{fakes.log};
    probe.state = &state;
    probe.cleared = &clearedWhenStarted;
    CZUV_GMouseDlg dialog(state, fakes.Bundle(), probe, noInterface);
    dialog.OnInitDialog();
    EXPECT_TRUE(clearedWhenStarted);
}

TEST_F(StartupSequence, WithoutAMouseShowsThePlugInMessageThenEndsTheProgram) {
    WriteConfig("[Init]\r\nCurConfig=1\r\nVER_SEL=1\r\n");
    subsystems.mousePresent = false;
    const Log log = Run();
    const auto box = IndexOf(log, "MessageBox:Please plug-in【VX230 Gaming Mouse Driver】USB Mouse|");
    ASSERT_GE(box, 0);
    const Log tail(log.begin() + box + 1, log.end());
    const Log expectedTail = {"RemoveTrayIcon", "ReleaseAllAndSendDriverExit", "SetMouseSpeed:10", "Destroy"};
    EXPECT_EQ(tail, expectedTail);
    EXPECT_FALSE(state.device.link.MouseConnected);
    EXPECT_FALSE(fakes.window.Exists());
}

TEST_F(StartupSequence, StartedInTheTrayWithoutAMouseWaitsThereWithoutAMessage) {
    WriteConfig("[Init]\r\nCurConfig=1\r\nVER_SEL=0\r\n");
    fakes.window.startsInTray = true;
    subsystems.mousePresent = false;
    const Log log = Run();
    const auto find = IndexOf(log, "FindMouse");
    ASSERT_GE(find, 0);
    const Log tail(log.begin() + find + 1, log.end());
    EXPECT_EQ(tail, (Log{"WatchForMouse", "SetTrayTip:VX230 游戏鼠标驱动：等待插入 VX230 鼠标", "AddTrayIcon"}));
    EXPECT_TRUE(state.waitingForMouse);
    EXPECT_TRUE(fakes.window.Exists());
    EXPECT_EQ(TrayTip(settings::UiLanguage::English, true),
              "VX230 Gaming Mouse Driver: waiting for the VX230 to be plugged in");
}

TEST_F(StartupSequence, TheMouseArrivingEndsTheStartUpOnceBothCollectionsAreThere) {
    WriteConfig("[Init]\r\nCurConfig=1\r\nVER_SEL=1\r\n[Hotkeys]\r\nProfile2=Ctrl+Alt+2\r\n");
    fakes.window.startsInTray = true;
    subsystems.mousePresent = false;
    CZUV_GMouseDlg dialog(state, fakes.Bundle(), subsystems, noInterface);
    InitInstance(fakes.Bundle(), dialog);
    const platform::DeviceNotification arrival{true, "\\\\?\\hid#vid_18f8&pid_1286&mi_00"};

    // A power event while waiting has no mouse to send to.
    fakes.log.Take();
    dialog.OnPowerEvent(platform::PowerEvent::Resume);
    EXPECT_EQ(fakes.log.Lines(), Log{});

    // Another device, or the mouse's first interface alone: still waiting.
    dialog.OnDeviceArrived(arrival);
    subsystems.mousePresent = true;
    state.device.link.ReadChannel.state = device::ChannelState::Open;
    dialog.OnDeviceArrived(arrival);
    EXPECT_EQ(fakes.log.Lines(), (Log{"FindMouse", "FindMouse"}));
    EXPECT_TRUE(state.waitingForMouse);
    EXPECT_FALSE(fakes.process.controlAnswerer);

    fakes.log.Take();
    state.device.link.WriteChannel.state = device::ChannelState::Open;
    dialog.OnDeviceArrived(arrival);
    EXPECT_EQ(fakes.log.Lines(), (Log{"FindMouse", "Sleep:5", "ApplyConfiguration",
                                      "SetTrayTip:VX230 Gaming Mouse Driver", "RegisterHotkey:2"}));
    EXPECT_FALSE(state.waitingForMouse);
    EXPECT_TRUE(state.device.link.MouseConnected);
    EXPECT_TRUE(fakes.process.controlAnswerer);  // vx230ctl is answered from now on

    // Later arrivals (another device, the mouse's other interfaces) change nothing.
    fakes.log.Take();
    dialog.OnDeviceArrived(arrival);
    EXPECT_EQ(fakes.log.Lines(), Log{});
}

TEST_F(StartupSequence, PlugInMessageFollowsTheChineseInterface) {
    WriteConfig("[Init]\r\nCurConfig=1\r\nVER_SEL=0\r\n");
    subsystems.mousePresent = false;
    const Log log = Run();
    EXPECT_GE(IndexOf(log, "MessageBox:请插入【VX230 Gaming Mouse Driver】USB鼠标|"), 0);
    EXPECT_GE(IndexOf(log, "LoadUserMacros:C:\\Games\\VX230\\Macro_CN.dat"), 0);
}

TEST_F(StartupSequence, ExitLeavesThePointerSpeedAloneWhenItCannotBeRead) {
    subsystems.mousePresent = false;
    fakes.systemSettings.getMouseSpeedFails = true;
    fakes.systemSettings.getWheelLinesFails = true;
    const Log log = Run();
    EXPECT_EQ(IndexOf(log, "SetMouseSpeed:10"), -1);
    EXPECT_GE(IndexOf(log, "Destroy"), 0);
}

TEST_F(StartupSequence, MissingSettingsFileMeansConfigurationZeroAndChinese) {
    const Log log = Run();
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 0);
    EXPECT_EQ(state.settings.UiLanguage, settings::UiLanguage::Chinese);
    EXPECT_EQ(state.settings.config, settings::MouseConfig{});
    EXPECT_GE(IndexOf(log, "ApplyConfiguration"), 0);
}

TEST_F(StartupSequence, CurConfigIsReadByItsFirstFourCharacters) {
    WriteConfig("[Init]\r\nCurConfig=12345\r\n");
    Run();
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 1234);
}

TEST_F(StartupSequence, NonNumericCurConfigReadsAsZero) {
    WriteConfig("[Init]\r\nCurConfig=abc\r\n[Config0]\r\nK0=9\r\n");
    Run();
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 0);
    EXPECT_EQ(state.settings.config.K0, 9);
}

TEST_F(StartupSequence, RemovesTemporariesOfKilledSavesAndNothingElse) {
    WriteConfig("[Init]\r\nCurConfig=1\r\n");
    const std::string dir = "C:\\Games\\VX230\\";
    const std::vector<std::pair<std::string, bool>> files = {
        {"config.ini.ZUV_GMouse-save-00000000000000ff.tmp", false},
        {"Macro_CN.dat.ZUV_GMouse-save-1234567890abcdef.tmp", false},
        {"Macro_EN.dat.ZUV_GMouse-save-fedcba0987654321.tmp", false},
        {"config.ini.bak", true},
        {"constMacro.dat.tmp", true},
    };
    for (const auto& [name, kept] : files) fakes.files.SetFile(dir + name, "x");
    Run();
    for (const auto& [name, kept] : files) EXPECT_EQ(fakes.files.Exists(dir + name), kept) << name;
    EXPECT_TRUE(fakes.files.Exists(kConfig));
}

TEST_F(StartupSequence, EmptyAboutStringAddsNoSystemMenuItem) {
    fakes.window.resourceStrings[kAboutStringId].clear();
    const Log log = Run();
    EXPECT_TRUE(std::none_of(log.begin(), log.end(),
                             [](const std::string& s) { return s.rfind("AppendSystemMenuItem", 0) == 0; }));
}

TEST_F(StartupSequence, SecondInstanceRestoresTheFirstAndDoesNothingElse) {
    fakes.process.otherInstanceRuns = true;
    const Log log = Run();
    const Log expected = {"CreateMutex:CZUV_GMouseApp", "RestoreWindow:VX230 Gaming Mouse Driver", "CloseMutex"};
    EXPECT_EQ(log, expected);
}

TEST_F(StartupSequence, AMissingLayoutFileEndsStartUpAtOnce) {
    for (const std::string failing : {"LoadMainLayout", "LoadColorLayout", "LoadAdvancedLayout", "LoadWarningLayout"}) {
        TestPlatform freshFakes;
        RecordingSubsystems freshSubsystems{freshFakes.log};
        AppState freshState;
        freshState.settings.ProgramDir = "C:\\p";
        freshSubsystems.failingLayout = failing;
        freshSubsystems.onLayoutFailure = [&] { ShutdownDriver(freshState, freshFakes.Bundle(), freshSubsystems); };
        CZUV_GMouseDlg dialog(freshState, freshFakes.Bundle(), freshSubsystems, noInterface);
        dialog.OnInitDialog();
        const Log freshLog = freshFakes.log.Lines();
        ASSERT_FALSE(freshLog.empty());
        EXPECT_EQ(freshLog.back(), "Destroy") << failing;
        EXPECT_EQ(IndexOf(freshLog, "FindMouse"), -1) << failing;
        EXPECT_EQ(IndexOf(freshLog, "CreateFont:Consolas"), -1) << failing;
    }
}

TEST(Fonts, MatchTheInterfaceFaces) {
    const auto en = EnglishFontSpec();
    const auto cn = ChineseFontSpec();
    EXPECT_EQ(en.face, "Consolas");
    EXPECT_EQ(en.height, 14);
    EXPECT_EQ(en.width, 7);
    EXPECT_TRUE(en.fixedPitchRoman);
    EXPECT_EQ(cn.face, "宋体");
    EXPECT_EQ(cn.height, 12);
    EXPECT_EQ(cn.width, 6);
    EXPECT_FALSE(cn.fixedPitchRoman);
}

}  // namespace
}  // namespace vx::app
