#include <gtest/gtest.h>

#include <string>

#include "platform/portable/program_paths.h"

namespace vx::platform {
namespace {

TEST(ProgramPaths, ProgramPathsGetForwardSlashes) {
    const struct {
        std::string in;
        std::string out;
    } kCases[] = {
        {R"(/home/u/.config/vx230\config.ini)", "/home/u/.config/vx230/config.ini"},
        {R"(/d\skins\INI_EN\skin_main_en.ini)", "/d/skins/INI_EN/skin_main_en.ini"},
        {"/already/native", "/already/native"},
        {"", ""},
    };
    for (const auto& c : kCases) EXPECT_EQ(ForwardSlashPath(c.in), c.out) << c.in;
}

TEST(ProgramPaths, ModuleFolderAndName) {
    const struct {
        std::string path;
        std::string folder;
        std::string name;
    } kCases[] = {
        {R"(C:\Games\VX230\ZUV_GMouse.exe)", R"(C:\Games\VX230)", "ZUV_GMouse"},
        {"/opt/vx230/zuv", "/opt/vx230", "zuv"},
        {R"(C:\a.b\tool.tar.exe)", R"(C:\a.b)", "tool.tar"},
        {R"(C:\a.b\noext)", R"(C:\a.b)", "noext"},
        {"/home/u/.hidden", "/home/u", ".hidden"},
        {"noseparator.exe", "", "noseparator"},
        {"", "", ""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ModuleFolder(c.path), c.folder) << c.path;
        EXPECT_EQ(ModuleName(c.path), c.name) << c.path;
    }
}

}  // namespace
}  // namespace vx::platform
