#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/qt/linux_session_start.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

TEST(LinuxSessionStart, TheAutostartFolderFollowsTheBaseDirectoryRules) {
    const struct {
        const char* xdgConfigHome;
        const char* home;
        std::optional<std::string> expected;
    } kCases[] = {
        {"/x/config", "/home/u", "/x/config/autostart"},
        {nullptr, "/home/u", "/home/u/.config/autostart"},
        {"", "/home/u", "/home/u/.config/autostart"},
        {"relative/config", "/home/u", "/home/u/.config/autostart"},  // only an absolute one counts
        {nullptr, nullptr, std::nullopt},
        {nullptr, "", std::nullopt},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(AutostartDir(c.xdgConfigHome, c.home), c.expected)
            << (c.xdgConfigHome ? c.xdgConfigHome : "(null)") << " " << (c.home ? c.home : "(null)");
    }
}

TEST(LinuxSessionStart, TheEntryStartsThisProgramInTheTrayQuotedAsTheFormatWants) {
    const std::string entry = AutostartEntry("/opt/my \"vx\"/vx230%");
    EXPECT_NE(entry.find("\nExec=\"/opt/my \\\\\"vx\\\\\"/vx230%%\" --tray\n"), std::string::npos) << entry;
    EXPECT_EQ(entry.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
    EXPECT_NE(entry.find("\nIcon=vx230\n"), std::string::npos);
}

TEST(LinuxSessionStart, OnWritesTheEntryAndItsFolderOffRemovesIt) {
    const fs::path dir = fs::temp_directory_path() /
                         ("vx230-autostart-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(dir);
    const std::string file = (dir / "autostart" / "vx230.desktop").string();
    LinuxSessionStart start(file, "/usr/bin/vx230");
    EXPECT_FALSE(start.IsOn());
    EXPECT_EQ(start.Set(true), std::nullopt);
    EXPECT_TRUE(start.IsOn());
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), AutostartEntry("/usr/bin/vx230"));
    EXPECT_FALSE(fs::exists(file + ".new"));
    EXPECT_EQ(start.Set(false), std::nullopt);
    EXPECT_FALSE(start.IsOn());
    EXPECT_EQ(start.Set(false), std::nullopt);  // already off: nothing to do

    // A folder that cannot be made is a reason, not a crash.
    std::ofstream(dir / "blocked") << "a file where the folder should be";
    LinuxSessionStart blocked((dir / "blocked" / "vx230.desktop").string(), "/usr/bin/vx230");
    const std::optional<std::string> problem = blocked.Set(true);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("not"), std::string::npos);
    EXPECT_FALSE(blocked.IsOn());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vx::platform
