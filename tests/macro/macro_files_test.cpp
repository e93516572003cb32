#include <gtest/gtest.h>

#include <string>

#include "macro/macro_files.h"
#include "macro/macro_store.h"
#include "macro/macro_text.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/map_profile_files.h"
#include "settings/mouse_config.h"

namespace vx::macro {
namespace {

using platform::testing::MapProfileFiles;

constexpr const char* kFile = "C:\\vx\\Macro_EN.dat";

MacroRecord Named(char16_t first, std::uint8_t events) {
    MacroRecord record;
    record.name[0] = first;
    record.repeatEnabled = 1;
    record.repeatCount = 3;
    record.eventCount = events;
    for (std::uint8_t k = 0; k < events; ++k) {
        record.events[k] = {static_cast<std::uint8_t>(0x04 + k % 26), ActionPress};  // letters
        record.delays[k] = static_cast<std::uint16_t>(20 + k);
    }
    return record;
}

class MacroFilesTest : public ::testing::Test {
protected:
    void WriteFile(const std::string& count, int records) {
        files.Set(kFile, "Macros", "macroNum", count);
        for (int i = 0; i < records; ++i) {
            files.Set(kFile, "Macros", std::to_string(i),
                      FormatRecordDigits(Named(static_cast<char16_t>(u'a' + i), static_cast<std::uint8_t>(i + 1))));
        }
    }

    std::mutex configLock;
    macro::MacroStore macros;
    MapProfileFiles files;
    platform::testing::FakeMainWindow window;
};

TEST_F(MacroFilesTest, SevenMacrosLoadAndTheLastIsSelected) {
    WriteFile("7", 7);
    LoadUserMacros(macros, configLock, files, window, kFile);
    EXPECT_EQ(macros.userMacroCount, 7);
    EXPECT_EQ(macros.selectedMacro, 6);
    EXPECT_EQ(macros.user[6], Named(u'g', 7));
    EXPECT_EQ(macros.user[7], MacroRecord{});
    EXPECT_TRUE(window.MessageBoxes().empty());
}

TEST_F(MacroFilesTest, CountIsReadTwoCharactersLong) {
    WriteFile("123", 12);
    LoadUserMacros(macros, configLock, files, window, kFile);
    EXPECT_EQ(macros.userMacroCount, 12);
    EXPECT_EQ(macros.selectedMacro, 11);
    EXPECT_EQ(macros.user[11], Named(u'l', 12));
}

TEST_F(MacroFilesTest, CountsBeyondTheSlotsAreClampedAndNegativeOnesLoadNothing) {
    WriteFile("99", 14);
    LoadUserMacros(macros, configLock, files, window, kFile);
    EXPECT_EQ(macros.userMacroCount, 12);
    EXPECT_EQ(macros.selectedMacro, 11);

    LoadConstantMacros(macros, configLock, files, window, kFile);
    EXPECT_EQ(macros.constantMacroCount, 13);
    EXPECT_EQ(macros.constant[12], Named(u'm', 13));

    macros.user[0] = Named(u'Q', 1);
    files.Set(kFile, "Macros", "macroNum", "-5");
    LoadUserMacros(macros, configLock, files, window, kFile);
    EXPECT_EQ(macros.userMacroCount, 0);
    EXPECT_EQ(macros.selectedMacro, 0);
    EXPECT_EQ(macros.user[0], Named(u'Q', 1));  // slots beyond the count keep their contents
}

TEST_F(MacroFilesTest, MissingFileIsReportedAndLeavesNoMacros) {
    macros.user[2] = Named(u'k', 2);
    macros.userMacroCount = 5;
    macros.selectedMacro = 4;
    LoadUserMacros(macros, configLock, files, window, "C:\\nowhere\\Macro_CN.dat");
    ASSERT_EQ(window.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.MessageBoxes()[0].first, "找不到配置文件");
    EXPECT_EQ(window.MessageBoxes()[0].second, "");
    EXPECT_EQ(macros.userMacroCount, 0);
    EXPECT_EQ(macros.selectedMacro, 0);
    EXPECT_EQ(macros.user[2], Named(u'k', 2));

    LoadConstantMacros(macros, configLock, files, window, "C:\\nowhere\\constMacro.dat");
    EXPECT_EQ(window.MessageBoxes().size(), 2u);
    EXPECT_EQ(macros.constantMacroCount, 0);
}

TEST_F(MacroFilesTest, MissingRecordKeyGivesAnEmptySlot) {
    files.Set(kFile, "Macros", "macroNum", "2");
    files.Set(kFile, "Macros", "0", FormatRecordDigits(Named(u'x', 3)));
    macros.user[1] = Named(u'y', 4);
    LoadUserMacros(macros, configLock, files, window, kFile);
    EXPECT_EQ(macros.user[0], Named(u'x', 3));
    EXPECT_EQ(macros.user[1], MacroRecord{});
}

TEST_F(MacroFilesTest, SavingFewerMacrosLeavesTheOldKeysBehindUnread) {
    WriteFile("5", 5);
    macros.userMacroCount = 3;
    for (int i = 0; i < 3; ++i) macros.user[static_cast<std::size_t>(i)] = Named(static_cast<char16_t>(u'A' + i), 9);
    SaveUserMacros(macros, configLock, files, kFile);

    const auto keys = files.Keys(kFile, "Macros");
    ASSERT_EQ(keys.size(), 6u);
    EXPECT_EQ(keys[0], std::make_pair(std::string("macroNum"), std::string("3")));
    EXPECT_EQ(keys[3].second, FormatRecordDigits(Named(u'C', 9)));
    EXPECT_EQ(keys[4].second, FormatRecordDigits(Named(u'd', 4)));  // record 3 of the old file
    macro::MacroStore macros_reloaded;
    LoadUserMacros(macros_reloaded, configLock, files, window, kFile);
    EXPECT_EQ(macros_reloaded.userMacroCount, 3);
    EXPECT_EQ(macros_reloaded.user[2], Named(u'C', 9));
    EXPECT_EQ(macros_reloaded.user[3], MacroRecord{});
}

TEST_F(MacroFilesTest, SaveThenLoadGivesBackTheSameRecords) {
    macros.userMacroCount = 12;
    for (std::size_t i = 0; i < kUserMacroSlots; ++i) {
        macros.user[i] = Named(static_cast<char16_t>(u'\u5F55' + i), static_cast<std::uint8_t>(20 * i));
        macros.user[i].events[0] = {MouseRightCode, ActionPress};
    }
    SaveUserMacros(macros, configLock, files, kFile);
    macro::MacroStore macros_reloaded;
    LoadUserMacros(macros_reloaded, configLock, files, window, kFile);
    EXPECT_EQ(macros_reloaded.userMacroCount, 12);
    EXPECT_EQ(macros_reloaded.user, macros.user);
}

TEST_F(MacroFilesTest, RestoreDefaultsLoadsTheLanguageDefaultsAndSavesThemAsTheUserFile) {
    files.Set("C:\\vx\\skins\\INI_EN\\defMacro.dat", "Macros", "macroNum", "1");
    files.Set("C:\\vx\\skins\\INI_EN\\defMacro.dat", "Macros", "0", FormatRecordDigits(Named(u'E', 2)));
    RestoreDefaultMacros(macros, configLock, files, window,
                         DefaultMacroFilePath("C:\\vx\\skins", settings::UiLanguage::English),
                         UserMacroFilePath("C:\\vx", settings::UiLanguage::English));
    EXPECT_EQ(macros.userMacroCount, 1);
    EXPECT_EQ(macros.user[0], Named(u'E', 2));
    EXPECT_EQ(files.ReadString("C:\\vx\\Macro_EN.dat", "Macros", "0", 4000), FormatRecordDigits(Named(u'E', 2)));
    EXPECT_FALSE(files.FileExists("C:\\vx\\Macro_CN.dat"));

    EXPECT_EQ(UserMacroFilePath("C:\\vx", settings::UiLanguage::Chinese), "C:\\vx\\Macro_CN.dat");
    EXPECT_EQ(DefaultMacroFilePath("C:\\vx\\skins", settings::UiLanguage::Chinese),
              "C:\\vx\\skins\\INI_CN\\defMacro.dat");
    EXPECT_EQ(ConstantMacroFilePath("C:\\vx"), "C:\\vx\\constMacro.dat");
}

}  // namespace
}  // namespace vx::macro
