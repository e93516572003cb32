// The input listener and the action player one step at a time over any
// sequence of input reports, endpoint lengths, button functions and macro
// records: every read and every report stays inside its buffer, every
// report the player sends is a keyboard, mouse or consumer report, and no
// diagnostics line carries the keys of a keyboard report.
#include <array>
#include <functional>
#include <string>

#include "device/action_player.h"
#include "device/action_wake.h"
#include "device/device_session.h"
#include "device/feature_report.h"
#include "device/input_listener.h"
#include "device/worker_context.h"
#include "fuzz_support.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_hid_api.h"
#include "platform/testing/fake_shell.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/settings_store.h"

namespace {

using namespace vx;

class NoWake : public device::ActionWake {
public:
    void Notify() override {}
    void WaitForWake() override {}
};

// Checks each call's length against the buffers the callers own, and
// stands in for the user letting go of a long macro after some reports.
class CheckingHid : public platform::testing::FakeHidApi {
public:
    explicit CheckingHid(device::DeviceSession& session) : session_(session) {}
    bool SetFeature(platform::HidHandle, const std::uint8_t* data, std::size_t length) override {
        VX_FUZZ_CHECK(length <= session_.ReportBuffer.size());
        VX_FUZZ_CHECK(length < 2 || data[1] == 0x15 || data[1] == 0x16 || data[1] == 0x17);
        if (++reports_ % 64 == 0) session_.StopRequested.store(true);
        return length < 4 || (data[3] & 1) == 0;  // the mouse refuses some
    }
    bool ReadInput(platform::HidHandle handle, std::uint8_t* buffer, std::size_t length) override {
        VX_FUZZ_CHECK(length <= std::tuple_size_v<device::InputBuffer>);
        return FakeHidApi::ReadInput(handle, buffer, length);
    }

private:
    device::DeviceSession& session_;
    int reports_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    CheckingHid hid(session);
    platform::testing::FakeClock clock, listenerClock;
    platform::testing::FakeShell shell;
    const std::function<void()> repaint = [] {};
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics);
    NoWake wake;
    device::WorkerContext player{settings, session, macros, hid, clock, shell, repaint, profiles, diagnostics, wake};
    device::WorkerContext listener{settings, session, macros,   hid,         listenerClock,
                                   shell,    repaint, profiles, diagnostics, wake};
    device::InputBuffer buffer{};
    settings.ConfigPath = "C:\\VX230\\config.ini";
    session.link.WriteChannel.state = device::ChannelState::Open;
    session.link.WriteChannel.handle = 12;
    session.link.WriteChannel.caps.featureReportLength = 8;
    session.link.readEndpointStorage = device::ReadEndpoint{11, 8};
    session.link.readEndpoint.store(&session.link.readEndpointStorage);

    for (int step = 0; step < 64 && !in.Empty(); ++step) {
        switch (in.Byte() % 6) {
            case 0: {  // a report from the mouse
                const std::string report = in.Text(40);
                hid.QueueInput(std::vector<std::uint8_t>(report.begin(), report.end()));
                device::InputListenerStep(listener, buffer);
                break;
            }
            case 1: device::ActionPlayerStep(player); break;
            case 2: session.link.readEndpointStorage.inputReportLength = in.Word() % 600; break;
            case 3: session.link.WriteChannel.caps.featureReportLength = in.Word() % 600; break;
            case 4: settings.config.Button(in.Byte() % 6) = static_cast<std::int8_t>(in.Byte()); break;
            case 5: {  // a macro record as a file could hold it
                macros.userMacroCount = static_cast<std::int16_t>(in.Word());
                macros.constantMacroCount = static_cast<std::int16_t>(in.Word());
                macro::MacroRecord& record = macros.user[in.Byte() % macro::kUserMacroSlots];
                record.eventCount = in.Byte();
                record.repeatCount = in.Word();
                for (std::size_t i = 0; i < 8; ++i) {
                    record.events[i] = macro::MacroEvent{in.Byte(), in.Byte()};
                    record.delays[i] = in.Byte();
                }
                settings.config.MACRO_MODE2 = in.Byte() & 1;
                break;
            }
        }
    }
    for (const std::string& line : diagnostics.Lines()) {
        if (line.find(" 15") != std::string::npos) VX_FUZZ_CHECK(line == device::kRefusedKeyReportLine);
    }
    return 0;
}
