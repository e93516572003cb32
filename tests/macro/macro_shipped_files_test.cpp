// The macro files that ship with the program: each loads and saves back to
// the same bytes, and the constant macros do what their buttons promise.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "macro/key_codes.h"
#include "macro/macro_files.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"

namespace vx::macro {
namespace {

std::string ReadShipped(const std::string& relative) {
    std::ifstream in(std::string(VX_SOURCE_DIR) + "/data/" + relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Loaded {
    std::mutex configLock;
    macro::MacroStore macros;
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    platform::testing::FakeMainWindow window;
};

class MacroShippedFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MacroShippedFile, LoadsAndSavesBackByteForByte) {
    const std::string original = ReadShipped(GetParam());
    ASSERT_FALSE(original.empty()) << GetParam();
    Loaded loaded;
    loaded.files.SetFile("C:\\vx\\shipped.dat", original);
    LoadUserMacros(loaded.macros, loaded.configLock, loaded.profiles, loaded.window, "C:\\vx\\shipped.dat");
    EXPECT_TRUE(loaded.window.MessageBoxes().empty());
    EXPECT_GT(loaded.macros.userMacroCount, 0);
    for (int i = 0; i < loaded.macros.userMacroCount; ++i) {
        const MacroRecord& record = loaded.macros.user[static_cast<std::size_t>(i)];
        EXPECT_NE(record.name[0], 0);
        EXPECT_GT(record.eventCount, 0);
    }
    SaveUserMacros(loaded.macros, loaded.configLock, loaded.profiles, "C:\\vx\\resaved.dat");
    EXPECT_EQ(loaded.files.GetFile("C:\\vx\\resaved.dat"), original);
}

INSTANTIATE_TEST_SUITE_P(AllFiles, MacroShippedFile,
                         ::testing::Values("constMacro.dat", "Macro_EN.dat", "Macro_CN.dat",
                                           "skins/INI_EN/defMacro.dat", "skins/INI_CN/defMacro.dat"));

TEST(MacroShippedConstants, EightShortcutsInButtonOrder) {
    Loaded loaded;
    loaded.files.SetFile("C:\\vx\\constMacro.dat", ReadShipped("constMacro.dat"));
    LoadConstantMacros(loaded.macros, loaded.configLock, loaded.profiles, loaded.window, "C:\\vx\\constMacro.dat");
    ASSERT_EQ(loaded.macros.constantMacroCount, 8);
    // Modifier and key usages of copy, paste, cut, undo, redo, select all,
    // switch window, show desktop.
    const std::uint8_t ctrl = 0xE0, alt = 0xE2, win = 0xE3;
    const std::pair<std::uint8_t, std::uint8_t> chords[8] = {{ctrl, 0x06}, {ctrl, 0x19}, {ctrl, 0x1B}, {ctrl, 0x1D},
                                                             {ctrl, 0x1C}, {ctrl, 0x04}, {alt, 0x2B},  {win, 0x07}};
    for (std::size_t i = 0; i < 8; ++i) {
        const MacroRecord& record = loaded.macros.constant[i];
        ASSERT_EQ(record.eventCount, 4) << i;
        const MacroEvent expected[4] = {{chords[i].first, ActionPress},
                                        {chords[i].second, ActionPress},
                                        {chords[i].second, ActionRelease},
                                        {chords[i].first, ActionRelease}};
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(record.events[k], expected[k]) << i << "/" << k;
            EXPECT_GE(record.delays[k], 15) << i << "/" << k;
        }
    }
}

TEST(MacroShippedUser, DefaultsAreTheStartingUserFileInEachLanguage) {
    EXPECT_EQ(ReadShipped("skins/INI_EN/defMacro.dat"), ReadShipped("Macro_EN.dat"));
    EXPECT_EQ(ReadShipped("skins/INI_CN/defMacro.dat"), ReadShipped("Macro_CN.dat"));
    Loaded loaded;
    loaded.files.SetFile("C:\\vx\\Macro_CN.dat", ReadShipped("Macro_CN.dat"));
    LoadUserMacros(loaded.macros, loaded.configLock, loaded.profiles, loaded.window, "C:\\vx\\Macro_CN.dat");
    EXPECT_EQ(loaded.macros.user[0].name[0], u'\u53CC');  // 双
}

}  // namespace
}  // namespace vx::macro
