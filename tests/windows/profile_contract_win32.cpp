// The profile contract under Windows: the system's profile functions, and the
// portable implementation over Windows files.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <type_traits>

#include "platform/win32/windows_api.h"

#include "platform/portable/portable_profile_files.h"
#include "platform/profile_contract.h"
#include "platform/testing/recording_diagnostics.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_files.h"

namespace vx::platform {
namespace {

using namespace test_support;

// A fresh folder under the temp directory per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("vx-profile-") + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                std::to_string(counter++));
        std::filesystem::create_directories(dir_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const std::string& name) const { return ToUtf8(dir_ / name); }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::optional<std::string> Get(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void SetReadOnly(const std::string& name, bool readOnly) const {
        std::filesystem::permissions(
            dir_ / name, std::filesystem::perms::owner_write,
            readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
    }

private:
    static std::string ToUtf8(const std::filesystem::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }
    std::filesystem::path dir_;
};

template <typename Implementation>
class WindowsFixture : public ProfileFixture {
public:
    ProfileFiles& Profiles() override { return implementation_; }
    std::string Path(const std::string& name) override { return folder_.Path(name); }
    void Put(const std::string& name, const std::string& bytes) override { folder_.Put(name, bytes); }
    std::optional<std::string> Get(const std::string& name) override { return folder_.Get(name); }
    void SetReadOnly(const std::string& name, bool readOnly) override { folder_.SetReadOnly(name, readOnly); }
    // Wine's own profile functions, run as root, write read-only files.
    bool RefusesReadOnlyFiles() const override {
        if constexpr (std::is_same_v<Implementation, Win32ProfileFiles>) {
            return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr;
        }
        return true;
    }

private:
    ScratchFolder folder_;
    Implementation implementation_;
};

class PortableOverWin32Files : public ProfileFiles {
public:
    std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                           std::size_t capacity) override {
        return profiles_.ReadString(file, section, key, capacity);
    }
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) override {
        return profiles_.WriteString(file, section, key, value);
    }
    bool WriteStrings(const std::string& file, std::string_view section,
                      const std::vector<ProfileEntry>& entries) override {
        return profiles_.WriteStrings(file, section, entries);
    }
    bool FileExists(const std::string& file) override { return profiles_.FileExists(file); }

private:
    Win32FileSystem files_;
    testing::RecordingDiagnostics diagnostics_;
    PortableProfileFiles profiles_{files_, diagnostics_};
};

INSTANTIATE_TEST_SUITE_P(
    Windows, ProfileContract,
    ::testing::Values(ProfileImplementation{"SystemProfileFunctions",
                                            [] { return std::make_unique<WindowsFixture<Win32ProfileFiles>>(); }},
                      ProfileImplementation{"PortableOverWin32Files",
                                            [] { return std::make_unique<WindowsFixture<PortableOverWin32Files>>(); }}),
    ImplementationName);

}  // namespace
}  // namespace vx::platform
