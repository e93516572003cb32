#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/window_lifecycle.h"
#include "platform/menu_commands.h"
#include "platform/testing/test_platform.h"
#include "recording_subsystems.h"

namespace vx::app {
namespace {

using platform::PointerAction;
using platform::PointerButton;
using platform::testing::TestPlatform;
using test_support::Log;
using test_support::RecordingSubsystems;

constexpr platform::PointerEvent kDoubleClick{PointerAction::DoublePress, PointerButton::Left, {}};
constexpr platform::PointerEvent kRightRelease{PointerAction::Release, PointerButton::Right, {}};
constexpr platform::PointerEvent kLeftPress{PointerAction::Press, PointerButton::Left, {}};

class WindowLifecycle : public ::testing::Test {
protected:
    Log TakeLog() { return fakes.log.Take(); }

    struct CommandProbe : InterfaceEvents {
        std::vector<int> commands;
        void OnCommand(int id) override { commands.push_back(id); }
    };

    TestPlatform fakes;
    RecordingSubsystems subsystems{fakes.log};
    CommandProbe probe;
    AppState state;
    CZUV_GMouseDlg dialog{state, fakes.Bundle(), subsystems, probe};
};

TEST_F(WindowLifecycle, CloseRequestHidesToTheTrayAndTheProgramGoesOn) {
    dialog.OnCloseRequest();
    EXPECT_EQ(TakeLog(), (Log{"Show:Minimize", "Show:Hide", "AddTrayIcon"}));
    EXPECT_FALSE(state.shutdownStarted);
}

TEST_F(WindowLifecycle, TheExitSequenceReleasesTheKeyboardOfARecordingFirst) {
    state.editor.recording = true;
    state.editor.recorder.hookInstalled = true;
    ShutdownDriver(state, fakes.Bundle(), subsystems);
    const Log log = TakeLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "RemoveRecordingHook");
    EXPECT_FALSE(state.editor.recorder.hookInstalled);
}

TEST_F(WindowLifecycle, TrayDoubleClickShowsTheWindowRestored) {
    EXPECT_EQ(dialog.OnTrayCallback(kTrayIconId, kDoubleClick), 0);
    EXPECT_EQ(TakeLog(), (Log{"Show:Show", "Show:Restore"}));
}

TEST_F(WindowLifecycle, TrayRightClickShowsTheOwnerDrawnMenuOfTheInterfaceLanguage) {
    auto tray = [](const char* show, const char* exit) {
        platform::testing::FakeMenu items;
        items.Add(show, platform::menu_command::kShowWindowEn).Add(exit, platform::menu_command::kExitDriverEn);
        platform::testing::FakeMenu top;
        top.AddSubmenu("Tray", std::make_shared<platform::testing::FakeMenu>(items));
        return top;
    };
    fakes.window.menuResources[157] = tray("Show Window", "Exit Driver");
    fakes.window.menuResources[162] = tray("显示窗口   ", "关闭驱动");
    for (auto [language, show] : {std::pair{settings::UiLanguage::English, "Show Window"},
                                  std::pair{settings::UiLanguage::Chinese, "显示窗口   "}}) {
        ui::LoadLanguageMenus(state.window.menus, fakes.window, language);
        EXPECT_EQ(dialog.OnTrayCallback(kTrayIconId, kRightRelease), 0);
        ASSERT_EQ(fakes.window.lastTrayMenuShown, state.window.menus.trayMenu.Menu());
        // The record table starts again at each load: top item, then the two.
        ASSERT_EQ(state.window.menus.trayMenu.RecordsInUse(), 3u);
        EXPECT_EQ(state.window.menus.trayMenu.Record(1).text, show);
        const auto& shown = static_cast<platform::testing::FakeMenu&>(*fakes.window.lastTrayMenuShown);
        EXPECT_TRUE(shown.items[0].submenu->items[1].ownerDrawn);
    }
    EXPECT_EQ(TakeLog(), (Log{"ShowTrayMenu", "ShowTrayMenu"}));
}

TEST_F(WindowLifecycle, TrayCallbackForAnotherIconIsAnsweredOneWithoutEffect) {
    EXPECT_EQ(dialog.OnTrayCallback(154, kDoubleClick), 1);
    EXPECT_EQ(dialog.OnTrayCallback(kTrayIconId, kLeftPress), 0);
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(WindowLifecycle, ExitCommandsOfBothLanguagesRunTheExitSequenceOnce) {
    for (int command : {platform::menu_command::kExitDriverEn, platform::menu_command::kExitDriverCn}) {
        TestPlatform freshFakes;
        RecordingSubsystems freshSubsystems{freshFakes.log};
        AppState freshState;
        CZUV_GMouseDlg freshDialog{freshState, freshFakes.Bundle(), freshSubsystems, probe};
        freshDialog.OnCommand(command);
        EXPECT_EQ(freshFakes.log.Lines(),
                  (Log{"RemoveTrayIcon", "ReleaseAllAndSendDriverExit", "SetMouseSpeed:10", "Destroy"}));
    }
}

TEST_F(WindowLifecycle, ShowCommandsOfBothLanguagesShowTheWindow) {
    dialog.OnCommand(platform::menu_command::kShowWindowEn);
    dialog.OnCommand(platform::menu_command::kShowWindowCn);
    EXPECT_EQ(TakeLog(), (Log{"Show:Show", "Show:Restore", "Show:Show", "Show:Restore"}));
}

// The start with the session as the Linux program offers it.
struct FakeSessionStart : platform::SessionStart {
    bool on = false;
    std::optional<std::string> refusal;
    std::vector<bool> sets;
    bool IsOn() override { return on; }
    std::optional<std::string> Set(bool value) override {
        sets.push_back(value);
        if (refusal) return refusal;
        on = value;
        return std::nullopt;
    }
};

TEST_F(WindowLifecycle, StartWithTheSessionIsCheckedAsItIsAndTurnedOverByItsCommand) {
    FakeSessionStart session;
    fakes.Bundle().sessionStart = &session;
    platform::testing::FakeMenu items;
    items.Add("Show Window", platform::menu_command::kShowWindowEn)
        .Add("Start with the Session", platform::menu_command::kSessionStartEn)
        .Add("Exit Driver", platform::menu_command::kExitDriverEn);
    platform::testing::FakeMenu top;
    top.AddSubmenu("Tray", std::make_shared<platform::testing::FakeMenu>(items));
    fakes.window.menuResources[157] = top;
    ui::LoadLanguageMenus(state.window.menus, fakes.window, settings::UiLanguage::English);
    const auto checked = [this] { return state.window.menus.trayMenu.Record(2).checked; };

    session.on = true;  // written by an earlier run
    dialog.OnTrayCallback(kTrayIconId, kRightRelease);
    EXPECT_TRUE(checked());
    dialog.OnCommand(platform::menu_command::kSessionStartEn);
    dialog.OnCommand(platform::menu_command::kSessionStartCn);
    EXPECT_EQ(session.sets, (std::vector<bool>{false, true}));
    session.on = false;  // removed by hand meanwhile
    dialog.OnTrayCallback(kTrayIconId, kRightRelease);
    EXPECT_FALSE(checked());

    session.refusal = "/home/u/.config/autostart not made: Permission denied";
    dialog.OnCommand(platform::menu_command::kSessionStartEn);
    EXPECT_EQ(fakes.diagnostics.Lines(),
              (std::vector<std::string>{"start with the session not turned on: /home/u/.config/autostart not made: "
                                        "Permission denied"}));
    EXPECT_TRUE(probe.commands.empty());
}

TEST_F(WindowLifecycle, WithoutASessionStartItsCommandDoesNothing) {
    dialog.OnCommand(platform::menu_command::kSessionStartEn);
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_TRUE(fakes.diagnostics.Lines().empty());
}

TEST_F(WindowLifecycle, OtherCommandsGoToTheInterface) {
    dialog.OnCommand(32790);
    EXPECT_EQ(probe.commands, (std::vector<int>{32790}));
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(WindowLifecycle, SystemCommandsAboutAndMinimiseAreHandledOthersAreNot) {
    EXPECT_TRUE(dialog.OnSystemCommand(platform::SystemCommand::About));
    EXPECT_TRUE(dialog.OnSystemCommand(platform::SystemCommand::Minimize));
    EXPECT_FALSE(dialog.OnSystemCommand(platform::SystemCommand::Close));  // the system's own handling
    EXPECT_EQ(TakeLog(), (Log{"ShowAboutBox", "Show:Minimize"}));
}

TEST_F(WindowLifecycle, UnpluggingTheMouseEndsTheProgram) {
    state.device.link.MouseConnected = true;
    dialog.OnDeviceRemoved(platform::DeviceNotification{true, subsystems.mousePath});
    EXPECT_FALSE(state.device.link.MouseConnected);
    EXPECT_EQ(TakeLog(), (Log{"RemoveTrayIcon", "ReleaseAllAndSendDriverExit", "SetMouseSpeed:10", "Destroy"}));
    // A second notification after the window is gone changes nothing.
    dialog.OnDeviceRemoved(platform::DeviceNotification{true, subsystems.mousePath});
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(WindowLifecycle, RemovalOfAnotherDeviceChangesNothing) {
    state.device.link.MouseConnected = true;
    dialog.OnDeviceRemoved(platform::DeviceNotification{true, "\\\\?\\hid#vid_046d&pid_c077"});
    dialog.OnDeviceRemoved(platform::DeviceNotification{false, subsystems.mousePath});
    EXPECT_TRUE(state.device.link.MouseConnected);
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(WindowLifecycle, EveryPowerEventSendsTheConfigurationAgain) {
    dialog.OnPowerEvent(platform::PowerEvent::Suspend);
    dialog.OnPowerEvent(platform::PowerEvent::Resume);
    EXPECT_EQ(TakeLog(), (Log{"ApplyConfiguration", "ApplyConfiguration"}));
}

TEST_F(WindowLifecycle, WorkerRepaintRequestsRepaintTheWindow) {
    dialog.OnRepaintRequest();
    EXPECT_EQ(TakeLog(), (Log{"Invalidate"}));
}

}  // namespace
}  // namespace vx::app
