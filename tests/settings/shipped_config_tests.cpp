// The config.ini that ships with the program: complete, in range, and
// consistent with the built-in defaults and the reset sections.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/portable/ini_document.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/config_section.h"
#include "settings/settings_file.h"

namespace vx::settings {
namespace {

const std::string kShipped = std::string(VX_SOURCE_DIR) + "/data/config.ini";

std::string ShippedBytes() {
    std::ifstream in(kShipped, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ShippedConfigTest : public ::testing::Test {
protected:
    MouseConfig Section(const std::string& name) { return ReadConfigSection(profiles, kShipped, name); }

    platform::PosixFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
};

TEST_F(ShippedConfigTest, StartsOnConfigurationOneInEnglish) {
    ASSERT_TRUE(profiles.FileExists(kShipped));
    EXPECT_EQ(ReadCurrentConfigNumber(profiles, kShipped), 1);
    EXPECT_EQ(ReadLanguage(profiles, kShipped), static_cast<std::uint8_t>(UiLanguage::English));
}

TEST_F(ShippedConfigTest, EverySectionHoldsTheTwentyTwoKeysInOrderWithCrlf) {
    const std::string bytes = ShippedBytes();
    ASSERT_FALSE(bytes.empty());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    const platform::IniDocument document = platform::IniDocument::Parse(bytes);
    const auto& lines = document.Lines();
    const std::vector<std::string> sections = {"Config1",   "Config2",   "Config3",     "Config4",
                                               "Config5",   "Config6",   "CfgReset2",   "CfgReset3",
                                               "CfgReset4", "CfgReset5", "CfgReset_EN5"};
    const auto keys = ConfigEntries(MouseConfig{});
    ASSERT_EQ(lines.size(), 3 + sections.size() * 23);
    EXPECT_EQ(lines[0], "[Init]");
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::size_t header = 3 + s * 23;
        EXPECT_EQ(lines[header], "[" + sections[s] + "]");
        for (std::size_t k = 0; k < keys.size(); ++k) {
            EXPECT_EQ(lines[header + 1 + k].rfind(keys[k].key + "=", 0), 0u) << sections[s] << " line " << k;
        }
    }
}

TEST_F(ShippedConfigTest, ConfigurationsMatchTheirFactoryValues) {
    const MouseConfig one = Section("Config1");
    EXPECT_EQ(one, FactoryDefaultConfig1(one));
    EXPECT_EQ(one.MACRO_MODE2, 0);
    EXPECT_EQ(Section("Config6"), one);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_EQ(Section(ConfigSection(n)), Section(FactorySection(n, UiLanguage::Chinese))) << n;
    }
    // Shipped in English, so configuration 5 is what an English reset gives.
    EXPECT_EQ(Section("Config5"), Section(FactorySection(5, UiLanguage::English)));
    EXPECT_NE(Section("CfgReset5"), Section("CfgReset_EN5"));
}

TEST_F(ShippedConfigTest, FactorySectionsAreUsableConfigurations) {
    for (const std::string name : {"CfgReset2", "CfgReset3", "CfgReset4", "CfgReset5", "CfgReset_EN5"}) {
        SCOPED_TRACE(name);
        const MouseConfig c = Section(name);
        bool primaryClick = false;
        bool anyEnabled = false;
        for (int i = 0; i < 6; ++i) primaryClick = primaryClick || c.Button(i) == 1;
        for (int level = 0; level < 4; ++level) {
            anyEnabled = anyEnabled || c.DpiEnabled(level);
            EXPECT_LE(c.DpiSet(level), 11);
        }
        EXPECT_TRUE(primaryClick);
        EXPECT_TRUE(anyEnabled);
        ASSERT_GE(c.DPI_LEVEL, 0);
        ASSERT_LE(c.DPI_LEVEL, 3);
        EXPECT_TRUE(c.DpiEnabled(c.DPI_LEVEL));
        EXPECT_LE(c.WHEEL_STATUS, 1);
        EXPECT_LE(c.LED_STATUS, 3);
        EXPECT_LE(c.DPI_SPEED, 9);
        EXPECT_LE(c.WHEEL_SPEED, 9);
        EXPECT_LE(c.USB_SPEED, 3);
        EXPECT_GE(c.FIRE_TIME, 0);
        EXPECT_LE(c.FIRE_TIME, 300);
        for (int i = 0; i < 6; ++i) {
            EXPECT_GE(c.Button(i), 1);
            EXPECT_LE(c.Button(i), 52);
        }
    }
}

}  // namespace
}  // namespace vx::settings
