// The profile contract against the portable implementation, over the
// in-memory file system and over real files in a scratch folder.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/portable/portable_profile_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "profile_contract.h"

namespace vx::platform {
namespace {

using namespace test_support;

class MemoryFixture : public ProfileFixture {
public:
    ProfileFiles& Profiles() override { return profiles_; }
    std::string Path(const std::string& name) override { return std::string("C:\\VX230\\").append(name); }
    void Put(const std::string& name, const std::string& bytes) override { files_.SetFile(Path(name), bytes); }
    std::optional<std::string> Get(const std::string& name) override { return files_.GetFile(Path(name)); }
    void SetReadOnly(const std::string& name, bool readOnly) override { files_.SetReadOnly(Path(name), readOnly); }

private:
    testing::MemoryFileSystem files_;
    testing::RecordingDiagnostics diagnostics_;
    PortableProfileFiles profiles_{files_, diagnostics_};
};

class PosixFixture : public ProfileFixture {
public:
    PosixFixture() {
        static std::atomic<int> counter{0};
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("vx-profile-") + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                std::to_string(counter++) + "-" +
                std::to_string(std::hash<std::thread::id>{}(std::this_thread::get_id())));
        std::filesystem::create_directories(dir_);
    }
    ~PosixFixture() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ProfileFiles& Profiles() override { return profiles_; }
    // The program joins its paths with a backslash; the backend maps it.
    std::string Path(const std::string& name) override { return dir_.string() + "\\" + name; }
    void Put(const std::string& name, const std::string& bytes) override {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::optional<std::string> Get(const std::string& name) override {
        std::ifstream in(dir_ / name, std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void SetReadOnly(const std::string& name, bool readOnly) override {
        std::filesystem::permissions(
            dir_ / name, std::filesystem::perms::all,
            readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
        if (!readOnly) return;
        std::filesystem::permissions(dir_ / name,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::group_read,
                                     std::filesystem::perm_options::add);
    }

private:
    std::filesystem::path dir_;
    PosixFileSystem files_;
    testing::RecordingDiagnostics diagnostics_;
    PortableProfileFiles profiles_{files_, diagnostics_};
};

INSTANTIATE_TEST_SUITE_P(
    Portable, ProfileContract,
    ::testing::Values(ProfileImplementation{"OverMemory", [] { return std::make_unique<MemoryFixture>(); }},
                      ProfileImplementation{"OverPosixFiles", [] { return std::make_unique<PosixFixture>(); }}),
    ImplementationName);

}  // namespace
}  // namespace vx::platform
