// [Hotkeys]: the combinations as the user writes them, what is registered
// and refused, and what a press does.
#include "app/hotkeys.h"

#include <gtest/gtest.h>

#include "app/hotkey_table.h"
#include "platform/testing/test_platform.h"
#include "recording_subsystems.h"

namespace vx::app {
namespace {

using platform::Hotkey;
using platform::Key;
using platform::testing::TestPlatform;
using test_support::Log;
using test_support::RecordingSubsystems;

Hotkey Combo(bool control, bool alt, bool shift, bool super, int key) {
    return Hotkey{control, alt, shift, super, static_cast<Key>(key)};
}

TEST(HotkeyTable, CombinationsAsUsersWriteThem) {
    const struct {
        const char* text;
        Hotkey hotkey;
        const char* written;
    } cases[] = {
        {"Ctrl+Alt+1", Combo(true, true, false, false, '1'), "Ctrl+Alt+1"},
        {"ctrl + alt + 5", Combo(true, true, false, false, '5'), "Ctrl+Alt+5"},
        {"Alt+Shift+p", Combo(false, true, true, false, 'P'), "Alt+Shift+P"},
        {"Control+F12", Combo(true, false, false, false, 0x7B), "Ctrl+F12"},
        {"Win+f1", Combo(false, false, false, true, 0x70), "Win+F1"},
        {"Super+Shift+Z", Combo(false, false, true, true, 'Z'), "Shift+Win+Z"},
    };
    for (const auto& c : cases) {
        const ParsedHotkey parsed = ParseHotkey(c.text);
        ASSERT_TRUE(parsed.hotkey.has_value()) << c.text << ": " << parsed.error;
        EXPECT_EQ(*parsed.hotkey, c.hotkey) << c.text;
        EXPECT_EQ(HotkeyText(*parsed.hotkey), c.written);
    }
}

TEST(HotkeyTable, WhatIsNoCombinationIsRefusedWithItsReason) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"3", "it needs Ctrl, Alt or Win"},
        {"Shift+3", "it needs Ctrl, Alt or Win"},
        {"Ctrl+Alt", "\"alt\" is no key of 0..9, A..Z, F1..F12"},
        {"Ctrl+Alt+", "\"\" is no key of 0..9, A..Z, F1..F12"},
        {"Ctrl+F13", "\"f13\" is no key of 0..9, A..Z, F1..F12"},
        {"Ctrl+F0", "\"f0\" is no key of 0..9, A..Z, F1..F12"},
        {"Ctrl+Esc", "\"esc\" is no key of 0..9, A..Z, F1..F12"},
        {"Ctrl+Ctrl+1", "\"ctrl\" is no modifier (Ctrl, Alt, Shift, Win) or is twice"},
        {"Hyper+1", "\"hyper\" is no modifier (Ctrl, Alt, Shift, Win) or is twice"},
        {"Ctrl+12", "\"12\" is no key of 0..9, A..Z, F1..F12"},
    };
    for (const auto& c : cases) {
        const ParsedHotkey parsed = ParseHotkey(c.text);
        EXPECT_FALSE(parsed.hotkey.has_value()) << c.text;
        EXPECT_EQ(parsed.error, c.error) << c.text;
    }
}

class HotkeysTest : public ::testing::Test {
protected:
    HotkeysTest() {
        state.settings.ConfigPath = "C:\\vx\\config.ini";
        state.settings.CurrentConfigNumber = 1;
        state.settings.UiLanguage = settings::UiLanguage::English;
    }
    void Config(const std::string& hotkeys) {
        fakes.files.SetFile(state.settings.ConfigPath,
                            "[Init]\r\nCurConfig=1\r\n[Config4]\r\nDPI_LEVEL=2\r\n[Hotkeys]\r\n" + hotkeys);
    }
    TestPlatform fakes;
    RecordingSubsystems subsystems{fakes.log};
    AppState state;
};

TEST_F(HotkeysTest, NothingIsRegisteredByDefault) {
    fakes.files.SetFile(state.settings.ConfigPath, "[Init]\r\nCurConfig=1\r\n");
    RegisterHotkeys(state, fakes.Bundle());
    EXPECT_TRUE(fakes.log.Take().empty());
    EXPECT_TRUE(fakes.diagnostics.Lines().empty());
}

TEST_F(HotkeysTest, SetOnesAreRegisteredRefusedOnesGoOnRecord) {
    Config("Profile1=Ctrl+Alt+1\r\nProfile3=Ctrl+Alt+3\r\nProfile4=Ctrl+Banana\r\nAutoSwitch=Ctrl+Alt+0\r\n");
    fakes.window.hotkeysHeldElsewhere = {Combo(true, true, false, false, '3')};
    RegisterHotkeys(state, fakes.Bundle());
    // AutoSwitch waits for the per-program profiles to give it something to do.
    EXPECT_EQ(fakes.log.Take(), (Log{"RegisterHotkey:1", "RegisterHotkey:3"}));
    EXPECT_EQ(fakes.diagnostics.Lines(),
              (std::vector<std::string>{"hotkey Profile3=Ctrl+Alt+3 refused: another program holds it, or the "
                                        "desktop lets no program take it",
                                        "hotkey Profile4=Ctrl+Banana ignored: \"banana\" is no key of 0..9, A..Z, "
                                        "F1..F12"}));

    bool on = false;
    state.autoSwitchOn = [&on] { return on; };
    state.setAutoSwitchOn = [&on](bool value) { on = value; };
    RegisterHotkeys(state, fakes.Bundle());
    EXPECT_EQ(fakes.log.Take(), (Log{"RegisterHotkey:1", "RegisterHotkey:3", "RegisterHotkey:6"}));
    OnHotkey(state, fakes.Bundle(), subsystems, 6);
    EXPECT_TRUE(on);
    OnHotkey(state, fakes.Bundle(), subsystems, 6);
    EXPECT_FALSE(on);
}

TEST_F(HotkeysTest, AProfileHotkeySwitchesAppliesAndTellsTheUser) {
    Config("Profile4=Ctrl+Alt+4\r\n");
    state.device.link.MouseConnected = true;
    OnHotkey(state, fakes.Bundle(), subsystems, 4);
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 4);
    EXPECT_EQ(state.settings.config.DPI_LEVEL, 2);
    EXPECT_EQ(fakes.log.Take(), (Log{"ApplyConfiguration", "Invalidate", "Notice:Profile 4 applied"}));

    for (const int stray : {0, 7, -1}) OnHotkey(state, fakes.Bundle(), subsystems, stray);
    state.shutdownStarted = true;
    OnHotkey(state, fakes.Bundle(), subsystems, 2);
    EXPECT_TRUE(fakes.log.Take().empty());
    EXPECT_EQ(state.settings.CurrentConfigNumber.load(), 4);
}

}  // namespace
}  // namespace vx::app
