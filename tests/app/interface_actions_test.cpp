// What clicks start outside the interface: the language switch, the reset,
// the exchange dialogs, Cancel and the user guide, over the whole program's
// state and the test platform.
#include "app/interface_actions.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/startup.h"
#include "app/window_lifecycle.h"
#include "macro/macro_files.h"
#include "platform/testing/test_platform.h"
#include "recording_subsystems.h"
#include "settings/config_section.h"
#include "settings/settings_file.h"
#include "skin/layout_loaders.h"
#include "ui/paint.h"

namespace vx::app {
namespace {

using platform::testing::TestPlatform;
using test_support::Log;
using test_support::RecordingSubsystems;

class NoRepaints : public ui::Repainter {
public:
    void InvalidateAll() override {}
    void InvalidateRegion(const Region&) override {}
    void UpdateNow() override {}
};

class InterfaceActionsTest : public ::testing::Test {
protected:
    InterfaceActionsTest() {
        state.settings.ProgramDir = "C:\\vx";
        state.settings.SkinDir = "C:\\vx\\skins";
        state.settings.ConfigPath = "C:\\vx\\config.ini";
        state.settings.CurrentConfigNumber = 2;
    }
    std::string Read(const std::string& file, const std::string& section, const std::string& key) {
        return fakes.profiles.ReadString(file, section, key, 64);
    }

    TestPlatform fakes;
    RecordingSubsystems subsystems{fakes.log};
    AppState state;
    NoRepaints repainter;
    ui::PageSideEffects effects;
    ui::PageSwitchContext pages{state.ui, repainter, state.window.RepaintRegion, effects};
    ui::SkinImages images{fakes.images, "C:\\vx\\skins"};
    ui::FunctionMenus menus{
        ui::MenuContext{state.ui, state.settings, state.macros, state.layouts, state.window, images, fakes.window}};
    InterfaceActions actions{state, fakes.Bundle(), subsystems, pages, menus};
};

TEST_F(InterfaceActionsTest, LanguageSwitchReloadsEverythingInOrderEvenForTheSameLanguage) {
    for (int round = 0; round < 2; ++round) {
        actions.SwitchLanguage(settings::UiLanguage::English);
        EXPECT_EQ(fakes.log.Take(), (Log{"LoadMainLayout", "LoadColorLayout", "LoadAdvancedLayout", "LoadWarningLayout",
                                         "LoadUserMacros:C:\\vx\\Macro_EN.dat", "LoadLanguageMenus:1",
                                         "SetTitle:VX230 Gaming Mouse Driver"}));
        EXPECT_EQ(Read(state.settings.ConfigPath, "Init", "VER_SEL"), "1");
    }
    EXPECT_EQ(state.macros.userMacroFile, "C:\\vx\\Macro_EN.dat");
    actions.SwitchLanguage(settings::UiLanguage::Chinese);
    EXPECT_EQ(Read(state.settings.ConfigPath, "Init", "VER_SEL"), "0");
    EXPECT_EQ(state.settings.UiLanguage, settings::UiLanguage::Chinese);
}

TEST_F(InterfaceActionsTest, LanguageSwitchStopsWhenALayoutFileIsMissing) {
    subsystems.failingLayout = "LoadColorLayout";
    subsystems.onLayoutFailure = [this] { state.shutdownStarted = true; };
    actions.SwitchLanguage(settings::UiLanguage::English);
    EXPECT_EQ(fakes.log.Take(), (Log{"LoadMainLayout", "LoadColorLayout"}));
}

TEST_F(InterfaceActionsTest, ResetRestoresTheLanguagesMacrosThenApplies) {
    state.settings.UiLanguage = settings::UiLanguage::English;
    fakes.files.SetFile("C:\\vx\\skins\\INI_EN\\defMacro.dat", "[Macros]\r\nmacroNum=0\r\n");
    fakes.files.SetFile("C:\\vx\\Macro_EN.dat", "[Macros]\r\nmacroNum=3\r\n");
    actions.ResetAllConfigs();
    EXPECT_EQ(Read("C:\\vx\\Macro_EN.dat", "Macros", "macroNum"), "0");
    EXPECT_FALSE(fakes.files.Exists("C:\\vx\\Macro_CN.dat"));
    EXPECT_EQ(Read(state.settings.ConfigPath, "Config1", "K1"), "3");
    EXPECT_EQ(fakes.log.Take(), (Log{"ApplyConfiguration"}));
}

TEST_F(InterfaceActionsTest, ExchangeDialogsStartInTheProgramFolderAndACancelChangesNothing) {
    state.settings.config.K0 = 7;
    actions.ExportConfig();
    actions.ImportConfig();
    ASSERT_EQ(fakes.window.fileDialogs.size(), 2u);
    EXPECT_EQ(fakes.window.fileDialogs[0].mode, platform::FileDialogMode::Save);
    EXPECT_EQ(fakes.window.fileDialogs[1].mode, platform::FileDialogMode::Open);
    EXPECT_EQ(fakes.window.fileDialogs[1].initialDirectory, "C:\\vx");
    EXPECT_EQ(fakes.files.WriteCount(), 0);
    EXPECT_EQ(state.settings.config.K0, 7);

    fakes.window.chosenFile = "D:\\swap.ini";
    actions.ExportConfig();
    state.settings.config.K0 = 1;
    actions.ImportConfig();
    EXPECT_EQ(Read("D:\\swap.ini", "Config7", "K0"), "7");
    EXPECT_EQ(state.settings.config.K0, 7);
    EXPECT_TRUE(fakes.window.MessageBoxes().empty());

    // A file without a configuration: nothing changes, and the user is told.
    fakes.window.chosenFile = "D:\\missing.ini";
    actions.ImportConfig();
    EXPECT_EQ(state.settings.config.K0, 7);
    EXPECT_EQ(fakes.window.MessageBoxes().size(), 1u);
}

TEST_F(InterfaceActionsTest, EveryDialogAndListChangeEndsARecordingFirst) {
    const std::vector<std::pair<const char*, std::function<void()>>> kActions{
        {"import config", [this] { actions.ImportConfig(); }},
        {"export config", [this] { actions.ExportConfig(); }},
        {"import macros", [this] { actions.ImportMacros(); }},
        {"export macros", [this] { actions.ExportMacros(); }},
        {"language", [this] { actions.SwitchLanguage(settings::UiLanguage::English); }},
        {"reset", [this] { actions.ResetAllConfigs(); }},
    };
    for (const auto& [what, action] : kActions) {
        state.editor.recording = true;
        state.editor.recorder.hookInstalled = true;
        action();
        EXPECT_FALSE(state.editor.recording) << what;
        EXPECT_FALSE(state.editor.recorder.hookInstalled) << what;
    }
    EXPECT_EQ(fakes.window.hookRemovals, static_cast<int>(kActions.size()));
}

TEST_F(InterfaceActionsTest, CancelRevertsToTheAppliedCopyAndHidesToTheTray) {
    fakes.files.SetFile(state.settings.ConfigPath, "[Config6]\r\nK0=9\r\nDPI_LEVEL=0\r\n");
    state.settings.config.DPI_LEVEL = 2;
    actions.RevertToApplied();
    EXPECT_EQ(state.settings.config.K0, 9);
    EXPECT_EQ(state.settings.config.DPI_LEVEL, 2);
    EXPECT_EQ(fakes.log.Take(), (Log{"Show:Minimize", "Show:Hide", "AddTrayIcon"}));
}

TEST_F(InterfaceActionsTest, TheWebElementOpensTheShippedGuideAndAFailureIsOnRecord) {
    actions.OpenUserGuide();
    fakes.shell.openDocumentFails = true;
    actions.OpenUserGuide();
    EXPECT_EQ(fakes.shell.Documents(),
              (std::vector<std::string>{"C:\\vx\\help\\index.html", "C:\\vx\\help\\index.html"}));
    EXPECT_EQ(fakes.diagnostics.Lines(),
              std::vector<std::string>{"user guide not opened: C:\\vx\\help\\index.html: the system refused it"});
}

TEST_F(InterfaceActionsTest, MinimiseAndWindowMoveGoThroughTheWindow) {
    actions.Minimize(Point{3, 4});
    actions.StartWindowMove(Point{5, 6});
    EXPECT_EQ(fakes.log.Take(), (Log{"SysCommand:Minimize", "BeginDrag:5,6"}));
}

// Only VER_SEL 0 selects the Chinese variants; the factory section of
// configuration 5 and the pressed language element want exactly 1.
TEST(LanguageRule, OnlyZeroIsChineseAndOnlyOneIsExactlyEnglish) {
    struct Case {
        const char* verSel;
        bool english;
        const char* factory5;
    };
    for (const Case& c : {Case{"0", false, "CfgReset5"}, Case{"1", true, "CfgReset_EN5"}, Case{"2", true, "CfgReset5"},
                          Case{"x", false, "CfgReset5"}, Case{"257", true, "CfgReset_EN5"}}) {
        TestPlatform fakes;
        fakes.files.SetFile("C:\\vx\\config.ini", std::string("[Init]\r\nVER_SEL=") + c.verSel + "\r\n");
        const auto language =
            static_cast<settings::UiLanguage>(settings::ReadLanguage(fakes.profiles, "C:\\vx\\config.ini"));
        SCOPED_TRACE(c.verSel);
        EXPECT_EQ(macro::UserMacroFilePath("C:\\vx", language),
                  c.english ? "C:\\vx\\Macro_EN.dat" : "C:\\vx\\Macro_CN.dat");
        EXPECT_EQ(macro::DefaultMacroFilePath("S", language),
                  c.english ? "S\\INI_EN\\defMacro.dat" : "S\\INI_CN\\defMacro.dat");
        EXPECT_EQ(skin::LayoutFilePath("S", language, skin::LayoutFile::Main),
                  c.english ? "S\\INI_EN\\skin_main_en.ini" : "S\\INI_CN\\skin_main.ini");
        EXPECT_EQ(PlugInMessage(language).rfind(c.english ? "Please" : "请", 0), 0u);
        ui::WindowResources resources;
        resources.EnglishFont = 11;
        resources.ChineseFont = 22;
        EXPECT_EQ(resources.FontFor(language), c.english ? 11 : 22);
        ui::LoadLanguageMenus(resources.menus, fakes.window, language);
        EXPECT_EQ(fakes.window.loadedMenus, c.english ? (std::vector<int>{154, 157}) : (std::vector<int>{161, 162}));
        EXPECT_EQ(settings::FactorySection(5, language), c.factory5);
    }
}

}  // namespace
}  // namespace vx::app
