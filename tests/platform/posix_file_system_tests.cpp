// Real files: the atomic replacement and the path mapping.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/posix_file_system.h"

namespace vx::platform {
namespace {

class PosixFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              (std::string("vx-posix-fs-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Windowsish(const std::string& name) const { return dir.string() + "\\" + name; }

    std::filesystem::path dir;
    PosixFileSystem files;
};

TEST_F(PosixFileSystemTest, ReplaceCreatesThenReplacesAndLeavesNoTemporaryFile) {
    const std::string path = Windowsish("config.ini");
    EXPECT_FALSE(files.Exists(path));
    EXPECT_EQ(files.ReadAll(path), std::nullopt);
    ASSERT_TRUE(files.ReplaceAll(path, "first"));
    ASSERT_TRUE(files.ReplaceAll(path, std::string("sec\0ond", 7)));
    EXPECT_TRUE(files.Exists(path));
    EXPECT_EQ(files.ReadAll(path), std::string("sec\0ond", 7));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(PosixFileSystemTest, ReplaceKeepsThePermissionsOfTheOldFile) {
    const std::string path = (dir / "private.ini").string();
    ASSERT_TRUE(files.ReplaceAll(path, "a"));
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(files.ReplaceAll(path, "b"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(PosixFileSystemTest, FailuresLeaveThingsAsTheyWere) {
    EXPECT_FALSE(files.ReplaceAll(Windowsish("missing-folder\\config.ini"), "x"));
    EXPECT_FALSE(files.Exists(dir.string()));  // a folder is not a file
    EXPECT_EQ(files.ReadAll(dir.string()), std::nullopt);
    EXPECT_FALSE(files.ReplaceAll(dir.string(), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

}  // namespace
}  // namespace vx::platform
