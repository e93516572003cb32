// Working with the five configurations: switching, saving, reverting, the
// exchange files and the factory reset, over a settings file in memory.
#include "settings/profiles.h"

#include <gtest/gtest.h>

#include "platform/portable/portable_profile_files.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/config_section.h"
#include "settings/settings_file.h"

namespace vx::settings {
namespace {

class ProfilesTest : public ::testing::Test {
protected:
    ProfilesTest() {
        settings.ConfigPath = "C:\\VX230\\config.ini";
        settings.ProgramDir = "C:\\VX230";
    }
    // Configuration `number` as stored: every key n..n+21, so no two
    // configurations are alike.
    static MouseConfig Numbered(int n) {
        MouseConfig c;
        c.K0 = n, c.K1 = n + 1, c.K2 = n + 2, c.K3 = n + 3, c.K4 = n + 4, c.K5 = n + 5;
        c.DPI_LEVEL = n % 4;
        c.MACRO_MODE2 = n % 2;
        c.DPI_SET0 = static_cast<std::uint8_t>(n % 12);
        c.DPI_SET_EN1 = true;
        c.FIRE_TIME = 10 * n;
        return c;
    }
    void Store(const std::string& file, const std::string& section, const MouseConfig& c) {
        profiles.WriteStrings(file, section, ConfigEntries(c));
    }
    MouseConfig Stored(const std::string& file, const std::string& section) {
        return ReadConfigSection(profiles, file, section);
    }

    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    SettingsStore settings;
};

TEST_F(ProfilesTest, SwitchingAwayDiscardsUnsavedEditsAndWritesNothing) {
    for (int n = 1; n <= 5; ++n) Store(settings.ConfigPath, ConfigSection(n), Numbered(n));
    SwitchConfig(settings, profiles, 1);
    settings.config.K0 = 99;
    const int writes = files.WriteCount();
    SwitchConfig(settings, profiles, 3);
    EXPECT_EQ(settings.config, Numbered(3));
    SwitchConfig(settings, profiles, 1);
    EXPECT_EQ(settings.config, Numbered(1));
    EXPECT_EQ(settings.CurrentConfigNumber.load(), 1);
    EXPECT_EQ(files.WriteCount(), writes);

    settings.config.K0 = 99;
    SaveCurrentConfig(settings, profiles);
    EXPECT_EQ(Stored(settings.ConfigPath, "Config1").K0, 99);
    EXPECT_EQ(profiles.ReadString(settings.ConfigPath, "Init", "CurConfig", 5), "");
}

TEST_F(ProfilesTest, RevertKeepsTheMousesDpiLevelAndDropsOtherEdits) {
    Store(settings.ConfigPath, "Config6", Numbered(6));
    settings.CurrentConfigNumber = 2;
    settings.config = Numbered(2);
    settings.config.DPI_LEVEL = 3;  // the mouse moved to level 3
    RevertToApplied(settings, profiles);
    MouseConfig expected = Numbered(6);
    expected.DPI_LEVEL = 3;
    EXPECT_EQ(settings.config, expected);
    EXPECT_EQ(Stored(settings.ConfigPath, "Config6"), expected);
    EXPECT_EQ(settings.CurrentConfigNumber.load(), 2);
}

TEST_F(ProfilesTest, ExportThenImportGivesBackAllValuesAndTouchesOnlyConfig7) {
    const std::string exchange = "C:\\Users\\me\\mine.ini";
    const std::string other = "[Keep]\r\nA=1\r\n[Config7]\r\nK0=5\r\nmine=yes\r\n[Tail]\r\nB=2\r\n";
    files.SetFile(exchange, other);
    settings.config = Numbered(4);
    ExportConfig(settings, profiles, exchange);
    const std::string written = files.GetFile(exchange).value();
    EXPECT_EQ(written.substr(0, 26), "[Keep]\r\nA=1\r\n[Config7]\r\nK0");
    EXPECT_NE(written.find("mine=yes\r\n"), std::string::npos);
    EXPECT_NE(written.find("[Tail]\r\nB=2\r\n"), std::string::npos);

    settings.config = Numbered(1);
    ImportConfig(settings, profiles, exchange);
    EXPECT_EQ(settings.config, Numbered(4));
    EXPECT_EQ(settings.CurrentConfigNumber.load(), 0);
    EXPECT_FALSE(files.GetFile(settings.ConfigPath).has_value());
}

TEST_F(ProfilesTest, ImportOfAFileWithoutConfig7OrOfNoFileChangesNothing) {
    files.SetFile("C:\\x.ini", "[Config1]\r\nK0=1\r\n[Config7]\r\n");
    for (const char* path : {"C:\\x.ini", "C:\\missing.ini"}) {
        settings.config = Numbered(1);
        EXPECT_FALSE(ImportConfig(settings, profiles, path)) << path;
        EXPECT_EQ(settings.config, Numbered(1)) << path;
    }
}

TEST_F(ProfilesTest, ExchangeDialogs) {
    const platform::FileDialogSpec open = ExchangeFileDialog(platform::FileDialogMode::Open, "C:\\VX230");
    EXPECT_EQ(open.filter, "All Files(*.ini)|*.ini||");
    EXPECT_EQ(open.defaultExtension, "");
    EXPECT_EQ(open.initialDirectory, "C:\\VX230");
    EXPECT_FALSE(open.confirmOverwrite);
    const platform::FileDialogSpec save = ExchangeFileDialog(platform::FileDialogMode::Save, "C:\\VX230");
    EXPECT_EQ(save.mode, platform::FileDialogMode::Save);
    EXPECT_EQ(save.filter, open.filter);
    EXPECT_EQ(save.defaultExtension, "ini");
    EXPECT_TRUE(save.confirmOverwrite);
}

TEST_F(ProfilesTest, ResetRestoresEveryConfigurationAndKeepsTheEditedPlaybackMode) {
    struct Case {
        UiLanguage language;
        const char* sectionOf5;
    };
    for (const Case& c : {Case{UiLanguage::English, "CfgReset_EN5"}, Case{UiLanguage::Chinese, "CfgReset5"},
                          Case{static_cast<UiLanguage>(2), "CfgReset5"}}) {
        for (int n = 2; n <= 5; ++n) Store(settings.ConfigPath, "CfgReset" + std::to_string(n), Numbered(20 + n));
        Store(settings.ConfigPath, "CfgReset_EN5", Numbered(50));
        for (int n = 1; n <= 5; ++n) Store(settings.ConfigPath, ConfigSection(n), Numbered(n));
        settings.UiLanguage = c.language;
        settings.CurrentConfigNumber = 4;
        settings.config = Numbered(4);
        settings.config.MACRO_MODE2 = 1;

        ResetConfigurations(settings, profiles);
        MouseConfig first = FactoryDefaultConfig1(settings.config);
        first.MACRO_MODE2 = 1;
        EXPECT_EQ(Stored(settings.ConfigPath, "Config1"), first);
        for (int n = 2; n <= 4; ++n) EXPECT_EQ(Stored(settings.ConfigPath, ConfigSection(n)), Numbered(20 + n));
        EXPECT_EQ(Stored(settings.ConfigPath, "Config5"), Stored(settings.ConfigPath, c.sectionOf5));
        EXPECT_EQ(settings.config, Numbered(24));
    }
}

}  // namespace
}  // namespace vx::settings
