// The per-program profiles' [AutoSwitch] section: what is read back, what
// is left out, and that it and the rest of config.ini leave each other alone.
#include "settings/auto_switch_file.h"

#include <gtest/gtest.h>

#include "platform/portable/portable_profile_files.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/settings_file.h"

namespace vx::settings {
namespace {

using platform::ProgramRule;
using platform::ProgramRules;
using platform::RuleMatch;

constexpr const char* kConfig = "C:\\VX230\\config.ini";

class AutoSwitchFileTest : public ::testing::Test {
protected:
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
};

TEST_F(AutoSwitchFileTest, AFileWithoutTheSectionMeansOffWithoutRules) {
    files.SetFile(kConfig, "[Init]\r\nCurConfig=2\r\n");
    EXPECT_EQ(ReadProgramRules(profiles, kConfig, diagnostics), ProgramRules{});
    EXPECT_TRUE(diagnostics.Lines().empty());
}

TEST_F(AutoSwitchFileTest, RulesComeBackInOrderWithTheirPatternsWhole) {
    const ProgramRules rules{true,
                             {{RuleMatch::ProgramFile, "Game.exe", 2},
                              {RuleMatch::Folder, "C:\\Games\\Launcher", 3},
                              {RuleMatch::WindowClass, "steam_app_570", 5},
                              {RuleMatch::ProgramFile, "odd|name.exe", 1}},
                             4};
    ASSERT_TRUE(WriteProgramRules(profiles, kConfig, rules));
    EXPECT_EQ(ReadProgramRules(profiles, kConfig, diagnostics), rules);
}

TEST_F(AutoSwitchFileTest, FewerRulesEmptyTheKeysOfTheOldOnes) {
    WriteProgramRules(profiles, kConfig,
                      {true, {{RuleMatch::ProgramFile, "a.exe", 2}, {RuleMatch::ProgramFile, "b.exe", 3}}, 0});
    WriteProgramRules(profiles, kConfig, {true, {{RuleMatch::ProgramFile, "b.exe", 3}}, 0});
    EXPECT_EQ(profiles.ReadString(kConfig, kAutoSwitchSection, "Rule2", 100), "");
    EXPECT_EQ(ReadProgramRules(profiles, kConfig, diagnostics).rules,
              (std::vector<ProgramRule>{{RuleMatch::ProgramFile, "b.exe", 3}}));
}

TEST_F(AutoSwitchFileTest, BadLinesAreLeftOutEachOnRecord) {
    files.SetFile(
        kConfig,
        "[AutoSwitch]\r\nEnabled=1\r\nFallback=9\r\nRules=6\r\nRule1=2|program|a.exe\r\nRule2=6|program|b.exe\r\n"
        "Rule3=2|window|x\r\nRule4=2|folder|\r\nRule5=garbage\r\nRule6=3|class|steam_app_1\r\n");
    const ProgramRules rules = ReadProgramRules(profiles, kConfig, diagnostics);
    EXPECT_TRUE(rules.enabled);
    EXPECT_EQ(rules.fallback, platform::kFallbackToPrevious);
    EXPECT_EQ(rules.rules, (std::vector<ProgramRule>{{RuleMatch::ProgramFile, "a.exe", 2},
                                                     {RuleMatch::WindowClass, "steam_app_1", 3}}));
    EXPECT_EQ(diagnostics.Lines().size(), 4u);
}

TEST_F(AutoSwitchFileTest, SavingAConfigurationKeepsTheSectionByteForByte) {
    const std::string section = "[AutoSwitch]\r\nEnabled=1\r\n; a note\r\nRules=1\r\nRule1=2|program|Game.exe\r\n";
    files.SetFile(kConfig, "[Init]\r\nCurConfig=1\r\n" + section + "[Config1]\r\nK0=1\r\n");
    SettingsStore settings;
    ASSERT_TRUE(SaveConfig(settings, profiles, kConfig, 1));
    ASSERT_TRUE(WriteCurConfig(profiles, kConfig, 3));
    EXPECT_NE(files.GetFile(kConfig)->find(section), std::string::npos);
}

TEST_F(AutoSwitchFileTest, WritingTheRulesKeepsTheOtherSectionsByteForByte) {
    const std::string before = "[Init]\r\nCurConfig=1\r\nVER_SEL=1\r\n\r\n[Config1]\r\nK0=1\r\nK1=2\r\n";
    files.SetFile(kConfig, before);
    WriteProgramRules(profiles, kConfig, {true, {{RuleMatch::ProgramFile, "a.exe", 2}}, 0});
    WriteProgramRulesEnabled(profiles, kConfig, false);
    EXPECT_EQ(files.GetFile(kConfig)->substr(0, before.size()), before);
    EXPECT_FALSE(ReadProgramRules(profiles, kConfig, diagnostics).enabled);
}

}  // namespace
}  // namespace vx::settings
