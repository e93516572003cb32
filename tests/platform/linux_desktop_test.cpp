#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/qt/linux_desktop.h"

namespace vx::platform {
namespace {
namespace fs = std::filesystem;

TEST(LinuxDesktop, TheUserTreeFollowsXdgConfigHomeThenHome) {
    const struct {
        const char* xdg;
        const char* home;
        std::optional<std::string> dir;
    } kCases[] = {
        {"/x/cfg", "/home/u", "/x/cfg/vx230"},
        {nullptr, "/home/u", "/home/u/.config/vx230"},
        {"relative", "/home/u", "/home/u/.config/vx230"},
        {"", "/home/u", "/home/u/.config/vx230"},
        {nullptr, nullptr, std::nullopt},
    };
    for (const auto& c : kCases) EXPECT_EQ(UserTreeDir(c.xdg, c.home, "vx230"), c.dir) << (c.xdg ? c.xdg : "-");
}

TEST(LinuxDesktop, PointerSpeedMapsOntoTheDesktopScaleAndBack) {
    const struct {
        int windows;
        double desktop;
    } kCases[] = {{1, -1.0}, {10, 0.0}, {20, 1.0}, {5, -5.0 / 9}, {15, 0.5}, {0, -1.0}, {25, 1.0}};
    for (const auto& c : kCases) EXPECT_DOUBLE_EQ(DesktopSpeedFromPointerSpeed(c.windows), c.desktop) << c.windows;
    for (int speed = 1; speed <= 20; ++speed) {
        EXPECT_EQ(PointerSpeedFromDesktopSpeed(DesktopSpeedFromPointerSpeed(speed)), speed);
    }
    EXPECT_EQ(PointerSpeedFromDesktopSpeed(-3.0), 1);
    EXPECT_EQ(PointerSpeedFromDesktopSpeed(0.04), 10);
    EXPECT_EQ(PointerSpeedFromDesktopSpeed(2.0), 20);
}

TEST(LinuxDesktop, DialogFiltersBecomeQtNameFilters) {
    const struct {
        std::string windows;
        std::vector<std::string> qt;
    } kCases[] = {
        {"All Files(*.dat)|*.dat||", {"All Files(*.dat)"}},
        {"All Files(*.ini)|*.ini||", {"All Files(*.ini)"}},
        {"INI files|*.ini|All files (*.*)|*.*||", {"INI files (*.ini)", "All files (*)"}},
        {"Texts|*.txt;*.ini||", {"Texts (*.txt *.ini)"}},
        {"Texts(*.txt;*.ini)|*.txt;*.ini||", {"Texts (*.txt *.ini)"}},
        {"Both (*.txt *.ini)|*.txt;*.ini||", {"Both (*.txt *.ini)"}},
        {"Wrong(*.txt)|*.ini||", {"Wrong (*.ini)"}},
        {"Empty()|*.ini||", {"Empty (*.ini)"}},
        {"Odd(*.ini\"x)|*.ini\"x||", {"Odd (*.ini\"x)"}},
        {"", {}},
    };
    for (const auto& c : kCases) EXPECT_EQ(NameFiltersFrom(c.windows), c.qt) << c.windows;
}


std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LinuxDesktop, TheUserTreeCopiesMissingSettingsKeepsTheUsersAndLinksTheRest) {
    const fs::path root = fs::temp_directory_path() /
                          ("vx_user_tree_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(root);
    const fs::path data = root / "share";
    const fs::path user = root / "config" / "vx230";
    fs::create_directories(data / "skins");
    fs::create_directories(data / "help");
    for (const char* name : {"config.ini", "Macro_EN.dat", "Macro_CN.dat", "constMacro.dat"}) {
        std::ofstream(data / name) << "factory " << name;
    }
    ASSERT_EQ(PrepareUserTree(data.string(), user.string()), std::nullopt);
    EXPECT_EQ(Read(user / "config.ini"), "factory config.ini");
    EXPECT_FALSE(fs::is_symlink(user / "config.ini"));
    for (const char* name : {"skins", "help", "constMacro.dat"}) EXPECT_TRUE(fs::is_symlink(user / name)) << name;

    std::ofstream(user / "config.ini") << "the user's";
    fs::remove(user / "Macro_EN.dat");
    ASSERT_EQ(PrepareUserTree(data.string(), user.string()), std::nullopt);
    EXPECT_EQ(Read(user / "config.ini"), "the user's");
    EXPECT_EQ(Read(user / "Macro_EN.dat"), "factory Macro_EN.dat");

    EXPECT_NE(PrepareUserTree((root / "nothing").string(), (root / "other").string()), std::nullopt);
    fs::remove_all(root);
}

TEST(LinuxDesktop, WorkersAskForALowRealtimePriorityWithinTheGrantedOne) {
    const struct {
        long long granted;
        unsigned asked;
    } kCases[] = {{20, 5}, {99, 5}, {5, 5}, {3, 3}, {1, 1}, {0, 0}, {-1, 0}};
    for (const auto& c : kCases) EXPECT_EQ(WorkerRealtimePriority(c.granted), c.asked) << c.granted;
}

TEST(LinuxDesktop, TheWatchOnTheProgramInFrontSeesWhatTheSessionShows) {
    const struct {
        const char* display;
        const char* sessionType;
        const char* waylandDisplay;
        ForegroundReach reach;
    } kCases[] = {
        {":0", "x11", nullptr, ForegroundReach::EveryProgram},
        {":0", nullptr, nullptr, ForegroundReach::EveryProgram},
        {":0", nullptr, "", ForegroundReach::EveryProgram},
        {":0", "wayland", "wayland-0", ForegroundReach::X11Programs},
        {":1", "tty", "wayland-0", ForegroundReach::X11Programs},
        {nullptr, "wayland", "wayland-0", ForegroundReach::Nothing},
        {"", "x11", nullptr, ForegroundReach::Nothing},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ForegroundReachOf(c.display, c.sessionType, c.waylandDisplay), c.reach)
            << (c.display ? c.display : "-") << " " << (c.sessionType ? c.sessionType : "-");
    }
}

}  // namespace
}  // namespace vx::platform
