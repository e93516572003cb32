// Real files: the atomic replacement and the path mapping.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

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

TEST_F(PosixFileSystemTest, NewFileGetsTheUsersDefaultPermissions) {
    const mode_t old = ::umask(027);
    const bool written = files.ReplaceAll(Windowsish("new.ini"), "a");
    ::umask(old);
    ASSERT_TRUE(written);
    struct stat info {};
    ASSERT_EQ(::stat((dir / "new.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(PosixFileSystemTest, LinkStaysAndItsTargetIsWritten) {
    namespace fs = std::filesystem;
    fs::create_directories(dir / "real");
    std::ofstream(dir / "real" / "config.ini") << "old";
    fs::create_symlink("real/config.ini", dir / "config.ini");
    fs::create_symlink(dir / "real" / "later.ini", dir / "dangling.ini");
    ASSERT_TRUE(files.ReplaceAll(Windowsish("config.ini"), "new"));
    ASSERT_TRUE(files.ReplaceAll(Windowsish("dangling.ini"), "made"));
    EXPECT_TRUE(fs::is_symlink(dir / "config.ini"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.ini"));
    EXPECT_EQ(files.ReadAll((dir / "real" / "config.ini").string()), "new");
    EXPECT_EQ(files.ReadAll((dir / "real" / "later.ini").string()), "made");
}

TEST_F(PosixFileSystemTest, ReadOnlyFileIsNotReplaced) {
    const std::string path = Windowsish("config.ini");
    ASSERT_TRUE(files.ReplaceAll(path, "old"));
    EXPECT_FALSE(files.IsReadOnly(path));
    ASSERT_EQ(::chmod((dir / "config.ini").c_str(), 0444), 0);
    EXPECT_TRUE(files.IsReadOnly(path));
    EXPECT_FALSE(files.ReplaceAll(path, "new"));
    EXPECT_EQ(files.ReadAll(path), "old");
}

TEST_F(PosixFileSystemTest, StaleSaveTemporariesGoAndNothingElse) {
    const std::vector<std::pair<std::string, bool>> names = {
        {"config.ini.ZUV_GMouse-save-0123456789abcdef.tmp", true},
        {"config.ini.ZUV_GMouse-save-0123456789ABCDEF.tmp", true},
        {"config.ini", false},
        {"config.ini.tmp-abcdefghijkl", false},
        {"config.ini.ZUV_GMouse-save-0123456789abcde.tmp", false},
        {"config.ini.ZUV_GMouse-save-0123456789abcdeg.tmp", false},
        {"other.ini.ZUV_GMouse-save-0123456789abcdef.tmp", false},
        {"xconfig.ini.ZUV_GMouse-save-0123456789abcdef.tmp", false},
    };
    for (const auto& [name, stale] : names) std::ofstream(dir / name) << "x";
    files.RemoveStaleTemporaries(Windowsish("config.ini"));
    for (const auto& [name, stale] : names) EXPECT_EQ(std::filesystem::exists(dir / name), !stale) << name;
}

TEST_F(PosixFileSystemTest, StampChangesWithEveryReplace) {
    const std::string path = Windowsish("config.ini");
    EXPECT_EQ(files.Stamp(path), std::nullopt);
    ASSERT_TRUE(files.ReplaceAll(path, "a"));
    const auto first = files.Stamp(path);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->recent);
    ASSERT_TRUE(files.ReplaceAll(path, "b"));
    EXPECT_NE(files.Stamp(path), first);
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
