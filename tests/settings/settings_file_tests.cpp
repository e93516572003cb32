// The settings file: loading and saving one configuration, the [Init]
// selectors, and saves from the interface and the action-player threads.
#include <gtest/gtest.h>

#include <thread>

#include "platform/portable/portable_profile_files.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/config_section.h"
#include "settings/settings_file.h"

namespace vx::settings {
namespace {

// A configuration in which every field differs from its neighbours.
MouseConfig Distinct() {
    MouseConfig c;
    c.K0 = 1, c.K1 = 41, c.K2 = -3, c.K3 = 24, c.K4 = 31, c.K5 = 6;
    c.DPI_LEVEL = 2;
    c.WHEEL_STATUS = 1;
    c.MACRO_MODE2 = 1;
    c.DPI_SET0 = 1, c.DPI_SET1 = 4, c.DPI_SET2 = 9, c.DPI_SET3 = 11;
    c.DPI_SET_EN0 = true, c.DPI_SET_EN1 = false, c.DPI_SET_EN2 = true, c.DPI_SET_EN3 = false;
    c.LED_STATUS = 3;
    c.DPI_SPEED = 7;
    c.WHEEL_SPEED = 5;
    c.USB_SPEED = 1;
    c.FIRE_TIME = 300;
    return c;
}

const char* const kDistinctSection =
    "K0=1\r\nK1=41\r\nK2=-3\r\nK3=24\r\nK4=31\r\nK5=6\r\nDPI_LEVEL=2\r\nWHEEL_STATUS=1\r\nMACRO_MODE2=1\r\n"
    "DPI_SET0=1\r\nDPI_SET_EN0=1\r\nDPI_SET1=4\r\nDPI_SET_EN1=0\r\nDPI_SET2=9\r\nDPI_SET_EN2=1\r\n"
    "DPI_SET3=11\r\nDPI_SET_EN3=0\r\nLED_STATUS=3\r\nDPI_SPEED=7\r\nWHEEL_SPEED=5\r\nUSB_SPEED=1\r\nFIRE_TIME=300\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    std::string File() const { return path; }
    void Put(const std::string& text) { files.SetFile(path, text); }
    std::string Text() const { return files.GetFile(path).value_or("<missing>"); }
    MouseConfig Config() {
        std::lock_guard guard(settings.ConfigLock);
        return settings.config;
    }
    void SetConfig(const MouseConfig& c) {
        std::lock_guard guard(settings.ConfigLock);
        settings.config = c;
    }

    const std::string path = "C:\\VX230\\config.ini";
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    settings::SettingsStore settings;
};

TEST_F(SettingsFileTest, SaveOnMissingFileWritesOneSectionInKeyOrder) {
    SetConfig(Distinct());
    EXPECT_TRUE(SaveConfig(settings, profiles, File(), 3));
    EXPECT_EQ(Text(), std::string("[Config3]\r\n") + kDistinctSection);
    EXPECT_EQ(files.WriteCount(), 1);  // one replacement for all 22 keys
}

TEST_F(SettingsFileTest, SaveGivesTheSameBytesAsTwentyTwoSingleWrites) {
    const std::string start =
        "[Init]\r\nCurConfig=2\r\n[Config2]\r\nFIRE_TIME=9\r\nK3=0\r\nextra=keep\r\n[Config4]\r\nK0=1\r\n";
    SetConfig(Distinct());
    Put(start);
    ASSERT_TRUE(SaveConfig(settings, profiles, File(), 2));
    const std::string batched = Text();

    Put(start);
    for (const auto& entry : ConfigEntries(Distinct())) profiles.WriteString(File(), "Config2", entry.key, entry.value);
    EXPECT_EQ(batched, Text());
    EXPECT_NE(batched.find("FIRE_TIME=300\r\nK3=24\r\nextra=keep\r\nK0=1\r\n"), std::string::npos) << batched;
}

TEST_F(SettingsFileTest, SaveThenLoadGivesBackEveryField) {
    SetConfig(Distinct());
    ASSERT_TRUE(SaveConfig(settings, profiles, File(), 7));
    SetConfig(MouseConfig{});
    settings.CurrentConfigNumber = 4;
    LoadConfig(settings, profiles, File(), 7, ConfigSource::UserSection);
    EXPECT_EQ(Config(), Distinct());
    EXPECT_EQ(settings.CurrentConfigNumber.load(), 4);  // loading never switches configurations
}

TEST_F(SettingsFileTest, MissingFileOrSectionLoadsAllZero) {
    SetConfig(Distinct());
    LoadConfig(settings, profiles, File(), 1, ConfigSource::UserSection);
    EXPECT_EQ(Config(), MouseConfig{});
    Put("[Config1]\r\nK0=1\r\n");
    SetConfig(Distinct());
    LoadConfig(settings, profiles, File(), 0, ConfigSource::UserSection);
    EXPECT_EQ(Config(), MouseConfig{});
    EXPECT_FALSE(Config().DPI_SET_EN0);
}

TEST_F(SettingsFileTest, ValuesAreParsedCutAndNarrowed) {
    Put("[Config1]\r\nK0=12abc\r\nK1=-1\r\nDPI_LEVEL=-1\r\nLED_STATUS=256\r\nDPI_SPEED=-1\r\n"
        "FIRE_TIME=12345\r\nDPI_SET_EN2=7\r\nDPI_SET1=000000261\r\nDPI_SET2=0000000261\r\nWHEEL_SPEED= 3x\r\n"
        "USB_SPEED=abc\r\n");
    LoadConfig(settings, profiles, File(), 1, ConfigSource::UserSection);
    const MouseConfig c = Config();
    EXPECT_EQ(c.K0, 12);
    EXPECT_EQ(c.K1, -1);
    EXPECT_EQ(c.DPI_LEVEL, -1);
    EXPECT_EQ(c.LED_STATUS, 0);    // 256 keeps its low 8 bits
    EXPECT_EQ(c.DPI_SPEED, 255);   // -1 as an 8-bit field
    EXPECT_EQ(c.FIRE_TIME, 1234);  // only 4 characters are read
    EXPECT_TRUE(c.DPI_SET_EN2);
    EXPECT_EQ(c.DPI_SET1, 5);   // 9 characters read: 261 & 0xFF
    EXPECT_EQ(c.DPI_SET2, 26);  // the tenth character is cut off
    EXPECT_EQ(c.WHEEL_SPEED, 3);
    EXPECT_EQ(c.USB_SPEED, 0);

    ASSERT_TRUE(SaveConfig(settings, profiles, File(), 1));
    EXPECT_EQ(profiles.ReadString(File(), "Config1", "DPI_SET_EN2", 10), "1");
    EXPECT_EQ(profiles.ReadString(File(), "Config1", "DPI_SPEED", 10), "255");
    EXPECT_EQ(profiles.ReadString(File(), "Config1", "FIRE_TIME", 10), "1234");
}

TEST_F(SettingsFileTest, FactorySectionDependsOnLanguageOnlyForConfigurationFive) {
    Put("[CfgReset5]\r\nFIRE_TIME=55\r\n[CfgReset_EN5]\r\nFIRE_TIME=155\r\n[CfgReset3]\r\nFIRE_TIME=33\r\n");
    settings.UiLanguage = UiLanguage::English;
    LoadConfig(settings, profiles, File(), 5, ConfigSource::FactoryDefaults);
    EXPECT_EQ(Config().FIRE_TIME, 155);
    LoadConfig(settings, profiles, File(), 3, ConfigSource::FactoryDefaults);
    EXPECT_EQ(Config().FIRE_TIME, 33);
    settings.UiLanguage = UiLanguage::Chinese;
    LoadConfig(settings, profiles, File(), 5, ConfigSource::FactoryDefaults);
    EXPECT_EQ(Config().FIRE_TIME, 55);
    LoadConfig(settings, profiles, File(), 3, ConfigSource::FactoryDefaults);
    EXPECT_EQ(Config().FIRE_TIME, 33);
}

TEST_F(SettingsFileTest, SaveDpiLevelChangesOnlyThatKey) {
    SetConfig(Distinct());
    ASSERT_TRUE(SaveConfig(settings, profiles, File(), 6));
    const std::string before = Text();
    MouseConfig edited = Distinct();
    edited.DPI_LEVEL = 3;
    edited.FIRE_TIME = 10;  // an unapplied edit that must stay out of the file
    SetConfig(edited);
    ASSERT_TRUE(SaveDpiLevel(settings, profiles, File(), 6));
    std::string expected = before;
    expected.replace(expected.find("DPI_LEVEL=2"), 11, "DPI_LEVEL=3");
    EXPECT_EQ(Text(), expected);
}

TEST_F(SettingsFileTest, SaveUsbSpeedChangesOnlyThatKey) {
    Put("[Config2]\r\nUSB_SPEED=3\r\nK0=1\r\n");
    MouseConfig c;
    c.USB_SPEED = 0;
    c.K0 = 5;
    SetConfig(c);
    ASSERT_TRUE(SaveUsbSpeed(settings, profiles, File(), 2));
    EXPECT_EQ(Text(), "[Config2]\r\nUSB_SPEED=0\r\nK0=1\r\n");
}

TEST_F(SettingsFileTest, InitSelectors) {
    EXPECT_EQ(ReadCurrentConfigNumber(profiles, File()), 0);
    EXPECT_EQ(ReadLanguage(profiles, File()), 0);
    Put("[Init]\r\nCurConfig=abc\r\nVER_SEL=257\r\n");
    EXPECT_EQ(ReadCurrentConfigNumber(profiles, File()), 0);
    EXPECT_EQ(ReadLanguage(profiles, File()), 1);  // low 8 bits
    Put("[Init]\r\nCurConfig=3\r\nVER_SEL=1\r\n");
    EXPECT_EQ(ReadCurrentConfigNumber(profiles, File()), 3);
    ASSERT_TRUE(WriteCurConfig(profiles, File(), 5));
    EXPECT_EQ(Text(), "[Init]\r\nCurConfig=5\r\nVER_SEL=1\r\n");
}

TEST_F(SettingsFileTest, WithoutCurConfigTheNextApplyWritesConfigZero) {
    Put("[Init]\r\nVER_SEL=1\r\n[Config1]\r\nK0=1\r\n");
    settings.CurrentConfigNumber = ReadCurrentConfigNumber(profiles, File());
    LoadConfig(settings, profiles, File(), settings.CurrentConfigNumber, ConfigSource::UserSection);
    EXPECT_EQ(Config(), MouseConfig{});
    WriteCurConfig(profiles, File(), settings.CurrentConfigNumber);
    SaveConfig(settings, profiles, File(), settings.CurrentConfigNumber);
    EXPECT_EQ(profiles.ReadString(File(), "Init", "CurConfig", 5), "0");
    EXPECT_EQ(profiles.ReadString(File(), "Config0", "DPI_SET_EN0", 10), "0");
    EXPECT_EQ(profiles.ReadString(File(), "Config1", "K0", 5), "1");
}

TEST_F(SettingsFileTest, FailedWritesAreReportedAndChangeNothing) {
    Put("[Config1]\r\nK0=1\r\n");
    files.SetWritesFail(true);
    SetConfig(Distinct());
    EXPECT_FALSE(SaveConfig(settings, profiles, File(), 1));
    EXPECT_FALSE(SaveDpiLevel(settings, profiles, File(), 1));
    EXPECT_EQ(Text(), "[Config1]\r\nK0=1\r\n");
    EXPECT_EQ(Config(), Distinct());
}

TEST_F(SettingsFileTest, PlayerAndInterfaceSavesInterleaveSafely) {
    Put("[Init]\r\nCurConfig=1\r\n");
    SetConfig(Distinct());
    constexpr int kRounds = 60;
    std::thread player([&] {
        for (int i = 0; i < kRounds; ++i) {
            {
                std::lock_guard guard(settings.ConfigLock);
                settings.config.DPI_LEVEL = i % 4;
            }
            SaveDpiLevel(settings, profiles, File(), 1);
        }
    });
    std::thread ui([&] {
        for (int i = 0; i < kRounds; ++i) SaveConfig(settings, profiles, File(), 6);
    });
    player.join();
    ui.join();

    EXPECT_EQ(profiles.ReadString(File(), "Config1", "DPI_LEVEL", 5), std::to_string((kRounds - 1) % 4));
    const MouseConfig applied = ReadConfigSection(profiles, File(), "Config6");
    MouseConfig expected = Distinct();
    expected.DPI_LEVEL = applied.DPI_LEVEL;  // whichever level the player had set at that moment
    EXPECT_EQ(applied, expected);
    // Whichever thread wrote first created its section first; each section
    // exists once and [Config1] holds only the player's key.
    const std::string text = Text();
    EXPECT_EQ(text.rfind("[Init]\r\nCurConfig=1\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("[Config1]\r\nDPI_LEVEL="), std::string::npos) << text;
    EXPECT_EQ(text.find("[Config1]"), text.rfind("[Config1]"));
    EXPECT_EQ(text.find("[Config6]"), text.rfind("[Config6]"));  // one section, not two
    EXPECT_EQ(ReadConfigSection(profiles, File(), "Config1").K0, 0);
}

TEST(FactoryDefaultsTest, ConfigurationOneKeepsOnlyTheMacroMode) {
    MouseConfig current = Distinct();
    const MouseConfig c = FactoryDefaultConfig1(current);
    EXPECT_EQ(c.MACRO_MODE2, 1);
    const auto entries = ConfigEntries(c);
    std::string text;
    for (const auto& e : entries) text += e.key + "=" + e.value + ";";
    EXPECT_EQ(text,
              "K0=1;K1=3;K2=2;K3=4;K4=5;K5=6;DPI_LEVEL=0;WHEEL_STATUS=0;MACRO_MODE2=1;DPI_SET0=3;DPI_SET_EN0=1;"
              "DPI_SET1=5;DPI_SET_EN1=1;DPI_SET2=6;DPI_SET_EN2=1;DPI_SET3=8;DPI_SET_EN3=1;LED_STATUS=0;DPI_SPEED=4;"
              "WHEEL_SPEED=2;USB_SPEED=2;FIRE_TIME=50;");
    current.MACRO_MODE2 = 0;
    EXPECT_EQ(FactoryDefaultConfig1(current).MACRO_MODE2, 0);
}

TEST(SectionNameTest, NumbersBecomeSectionNames) {
    EXPECT_EQ(ConfigSection(3), "Config3");
    EXPECT_EQ(ConfigSection(0), "Config0");
    EXPECT_EQ(ConfigSection(-2), "Config-2");
    EXPECT_EQ(FactorySection(5, UiLanguage::English), "CfgReset_EN5");
    EXPECT_EQ(FactorySection(5, UiLanguage::Chinese), "CfgReset5");
    EXPECT_EQ(FactorySection(2, UiLanguage::English), "CfgReset2");
}

}  // namespace
}  // namespace vx::settings
