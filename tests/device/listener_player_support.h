#pragma once
// Doubles and a fixture for running the input listener and the action
// player step by step on one thread with virtual time.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "device/action_wake.h"
#include "device/device_session.h"
#include "device/input_listener.h"
#include "device/worker_context.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_hid_api.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/fake_shell.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/settings_store.h"

namespace vx::device::test_support {

class CountingWake : public ActionWake {
public:
    void Notify() override {
        std::lock_guard lock(mutex_);
        ++notifications;
    }
    void WaitForWake() override {
        std::lock_guard lock(mutex_);
        ++waits;
    }
    int notifications = 0;
    int waits = 0;

private:
    std::mutex mutex_;
};

using Bytes = std::vector<std::uint8_t>;

class WorkerFixture {
public:
    static constexpr const char* kConfigPath = "C:\\vx\\config.ini";
    static constexpr platform::HidHandle kReadHandle = 11;
    static constexpr platform::HidHandle kWriteHandle = 12;

    WorkerFixture() {
        settings.ConfigPath = kConfigPath;
        settings.CurrentConfigNumber = 3;
        session.link.WriteChannel.state = ChannelState::Open;
        session.link.WriteChannel.handle = kWriteHandle;
        session.link.WriteChannel.caps.featureReportLength = 8;
        OpenReadChannel(8);
    }

    void OpenReadChannel(std::uint16_t inputLength) {
        session.link.readEndpointStorage = ReadEndpoint{kReadHandle, inputLength};
        session.link.readEndpoint.store(&session.link.readEndpointStorage, std::memory_order_release);
    }

    // One report through the listener (its own clock, so the player's
    // sleeps stay apart).
    void Report(Bytes report) {
        hid.QueueInput(std::move(report));
        InputListenerStep(listener, inputBuffer);
    }

    // Bytes 1..7 of every feature report sent (byte 0 checked to be 7).
    std::vector<Bytes> Sent() const {
        std::vector<Bytes> out;
        for (const auto& report : hid.FeatureReports()) {
            if (report.bytes.empty() || report.bytes[0] != 7) {
                out.push_back({0xEE});
                continue;
            }
            out.emplace_back(report.bytes.begin() + 1, report.bytes.end());
        }
        return out;
    }

    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    platform::testing::FakeHidApi hid;
    platform::testing::FakeClock clock;
    platform::testing::FakeClock listenerClock;
    platform::testing::FakeShell shell;
    platform::testing::FakeMainWindow window;
    std::function<void()> repaint = [this] { window.PostRepaint(); };
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    CountingWake wake;
    WorkerContext player{settings, session, macros, hid, clock, shell, repaint, profiles, diagnostics, wake};
    WorkerContext listener{settings, session, macros, hid, listenerClock, shell, repaint, profiles, diagnostics, wake};
    InputBuffer inputBuffer{};
};

// Reports as the helpers below spell them (bytes 1..7 of an 8-byte report).
inline Bytes Keys(std::vector<std::uint8_t> held) {
    held.resize(6, 0);
    Bytes report{0x15};
    report.insert(report.end(), held.begin(), held.end());
    return report;
}

// A sent report (bytes 1..7) in words: "keys 04 05", "mouse FE",
// "consumer 00E9", so sequences read easily.
inline std::string Describe(const Bytes& report) {
    auto hex = [](std::uint8_t byte) {
        const char* digits = "0123456789ABCDEF";
        return std::string{digits[byte >> 4], digits[byte & 15]};
    };
    if (report.size() < 7) return "bad";
    switch (report[0]) {
        case 0x15: {
            std::string text = "keys";
            for (std::size_t i = 1; i < 7 && report[i] != 0; ++i) text += " " + hex(report[i]);
            return text;
        }
        case 0x16: return "mouse " + hex(report[2]);
        case 0x17: return "consumer " + hex(report[1]) + hex(report[2]);
        default: return "other " + hex(report[0]);
    }
}

inline std::vector<std::string> Describe(const std::vector<Bytes>& reports) {
    std::vector<std::string> out;
    for (const auto& report : reports) out.push_back(Describe(report));
    return out;
}

// A macro of key presses and releases with the given delays.
inline macro::MacroRecord KeyMacro(std::vector<std::pair<macro::MacroEvent, std::uint16_t>> steps) {
    macro::MacroRecord record;
    record.eventCount = static_cast<std::uint8_t>(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        record.events[k] = steps[k].first;
        record.delays[k] = steps[k].second;
    }
    return record;
}

}  // namespace vx::device::test_support
