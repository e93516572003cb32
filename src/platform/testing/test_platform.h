#pragma once
// One double of every platform interface, wired into a Platform: memory
// files under the portable profile writer, and a log that the window, the
// process, the system settings, the clock and the threads all write to. The
// HID layer and the clock are the fakes held here unless the test hands in
// others (the simulated mouse, the real clock).
//
//     platform::testing::TestPlatform fakes;
//     app::Program program(fakes.Bundle());
#include "platform/platform.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/call_log.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_hid_api.h"
#include "platform/testing/fake_image_decoder.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/fake_process.h"
#include "platform/testing/fake_shell.h"
#include "platform/testing/fake_system_settings.h"
#include "platform/testing/fake_threads.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"

namespace vx::platform::testing {

class TestPlatform {
public:
    TestPlatform() : TestPlatform(nullptr, nullptr) {}
    explicit TestPlatform(HidApi& hidInUse) : TestPlatform(&hidInUse, nullptr) {}
    TestPlatform(HidApi& hidInUse, Clock& clockInUse) : TestPlatform(&hidInUse, &clockInUse) {}
    // The bundle refers to the members.
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    CallLog log;
    MemoryFileSystem files;
    RecordingDiagnostics diagnostics;
    PortableProfileFiles profiles{files, diagnostics};
    FakeHidApi hid;
    FakeSystemSettings systemSettings{log};
    FakeClock clock{log};
    FakeShell shell;
    FakeImageDecoder images;
    FakeProcess process{log};
    FakeMainWindow window{log};
    // Last, so that threads started for real are joined before the doubles
    // they use go.
    FakeThreads threads{log};

    // Lives as long as this object; what the logic under test is given.
    Platform& Bundle() { return bundle_; }

private:
    TestPlatform(HidApi* hidInUse, Clock* clockInUse)
        : bundle_{files,
                  profiles,
                  hidInUse != nullptr ? *hidInUse : hid,
                  systemSettings,
                  clockInUse != nullptr ? *clockInUse : clock,
                  threads,
                  shell,
                  images,
                  process,
                  window,
                  diagnostics} {}

    Platform bundle_;
};

}  // namespace vx::platform::testing
