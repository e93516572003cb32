#pragma once
// A platform bundle for the device tests: memory files under the portable
// profile writer, recording system settings and window, and a HID layer
// chosen by the test.
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/recording_diagnostics.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/fake_shell.h"
#include "platform/testing/fake_system_settings.h"
#include "platform/testing/memory_file_system.h"

namespace vx::device::test_support {

class UnusedThreads : public platform::Threads {
public:
    void Start(std::function<void()> /*body*/, platform::ThreadPriority /*priority*/) override {}
};

class UnusedImages : public platform::ImageDecoder {
public:
    std::optional<platform::Image> Load(const std::string& /*path*/) override { return std::nullopt; }
};

class UnusedProcess : public platform::Process {
public:
    std::string ModuleFileName() override { return "C:\\VX230\\ZUV_GMouse.exe"; }
    bool CreateSingleInstanceLock(const std::string& /*name*/) override { return true; }
    void CloseSingleInstanceLock() override {}
    bool RestoreWindowByTitle(const std::string& /*title*/) override { return false; }
    void InitCommonControls() override {}
};

struct DevicePlatform {
    explicit DevicePlatform(platform::HidApi& hidApi) : hid(hidApi) {}

    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    platform::HidApi& hid;
    platform::testing::FakeSystemSettings systemSettings;
    platform::testing::FakeClock clock;
    UnusedThreads threads;
    platform::testing::FakeShell shell;
    UnusedImages images;
    UnusedProcess process;
    platform::testing::FakeMainWindow window;

    platform::Platform Bundle() {
        return platform::Platform{files, profiles, hid,    systemSettings, clock,
                                  threads, shell,  images, process,        window, diagnostics};
    }
};

}  // namespace vx::device::test_support
