// How fast a press reaches the mouse as its action, and how exactly macro
// delays are kept: real threads and the real clock against the simulated
// mouse. Every figure is printed next to a baseline measured in the same
// run (the player that only polls every 2 ms; plain relative sleeps).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "device/action_player.h"
#include "device/workers.h"
#include "device/device_session.h"
#include "device/input_listener.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/sim/simulated_mouse.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/fake_shell.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/settings_store.h"

#if defined(__linux__)
#include <sched.h>
#endif

namespace {

using namespace vx;
using platform::sim::ReportDirection;
using platform::sim::SimulatedMouse;

struct Figures {
    double shortest = 0;
    double median = 0;
    double p99 = 0;
    double worst = 0;
};

Figures Summarize(std::vector<double> values) {
    Figures out;
    if (values.empty()) return out;
    std::sort(values.begin(), values.end());
    out.shortest = values.front();
    out.median = values[values.size() / 2];
    out.p99 = values[std::min(values.size() - 1, values.size() * 99 / 100)];
    out.worst = values.back();
    return out;
}

double Ratio(double value, double baseline) { return baseline > 0 ? value / baseline : 0; }

// One program's worth of device state wired to a fresh simulated mouse.
struct Rig {
    explicit Rig(bool wakeOnHandOver) {
        const auto in = mouse.Open(SimulatedMouse::kInputCollectionPath, platform::HidAccess::Read);
        const auto out = mouse.Open(SimulatedMouse::kFeatureCollectionPath, platform::HidAccess::Write);
        const auto inCaps = mouse.GetCaps(mouse.Open(SimulatedMouse::kInputCollectionPath, platform::HidAccess::Query));
        const auto outCaps =
            mouse.GetCaps(mouse.Open(SimulatedMouse::kFeatureCollectionPath, platform::HidAccess::Query));
        if (!inCaps || !outCaps) std::abort();
        session.link.WriteChannel = device::Channel{device::ChannelState::Open, out, *outCaps};
        session.link.readEndpointStorage = device::ReadEndpoint{in, inCaps->inputReportLength};
        session.link.readEndpoint.store(&session.link.readEndpointStorage);
        const std::uint8_t reportButton1[8] = {7, 0x10, 1, 0, 0, 0, 0, 0};
        mouse.SetFeature(out, reportButton1, sizeof reportButton1);
        context.idle = wakeOnHandOver ? device::PlayerIdle::WakeOnHandOver : device::PlayerIdle::Poll;
    }

    platform::testing::SteadyClock clock;
    SimulatedMouse mouse{clock};
    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    platform::testing::FakeShell shell;
    platform::testing::FakeMainWindow window;
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    device::WorkerContext context{settings, session, macros,   mouse,       clock,
                                  shell,    [this] { window.PostRepaint(); },  profiles, diagnostics, session.player.wake};
};

// Press to first feature report, in microseconds, for `presses` presses of
// a consumer-key button.
std::vector<double> MeasureActionLatency(bool wakeOnHandOver, int presses) {
    Rig rig(wakeOnHandOver);
    rig.settings.config.K0 = 24;  // volume up: one report per press
    std::thread listener([&rig] { device::InputListener(rig.context); });
    std::thread player([&rig] { device::ActionPlayer(rig.context); });
    std::srand(7);
    for (int i = 0; i < presses; ++i) {
        // Irregular spacing so presses do not line up with the 2 ms poll.
        std::this_thread::sleep_for(std::chrono::microseconds(6000 + std::rand() % 3000));
        rig.mouse.Press(1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    device::StopDeviceWorkers(rig.session);
    const auto log = rig.mouse.Log();
    rig.mouse.Unplug();
    listener.join();
    player.join();

    std::vector<double> latencies;
    std::int64_t pressAt = -1;
    for (const auto& report : log) {
        if (report.direction == ReportDirection::In) pressAt = report.microsSinceStart;
        if (report.direction == ReportDirection::Out && report.bytes[1] == 0x17 && pressAt >= 0) {
            latencies.push_back(static_cast<double>(report.microsSinceStart - pressAt));
            pressAt = -1;
        }
    }
    return latencies;
}

// Gap errors (actual minus nominal, microseconds) between the key reports
// of a macro of `events` events of `delayMs` each.
std::vector<double> MeasureDelayErrors(bool paced, int delayMs, int events, double* drift) {
    Rig rig(true);
    macro::MacroRecord record;
    record.eventCount = static_cast<std::uint8_t>(events);
    for (int k = 0; k < events; ++k) {
        record.events[static_cast<std::size_t>(k)] = {0x04, k % 2 == 0 ? macro::ActionPress : macro::ActionRelease};
        record.delays[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(delayMs);
    }
    if (paced) {
        device::PlayMacro(rig.context, record, 1);
    } else {
        // Baseline: each delay slept on its own, as plain sleeping does.
        for (int k = 0; k < events; ++k) {
            device::SendMacroEvent(rig.context, 0x04, record.events[static_cast<std::size_t>(k)].action);
            rig.clock.SleepMs(delayMs);
        }
        device::ReleaseAll(rig.context);
    }
    std::vector<std::int64_t> sentAt;
    for (const auto& report : rig.mouse.Log()) {
        if (report.direction == ReportDirection::Out && report.bytes[1] == 0x15)
            sentAt.push_back(report.microsSinceStart);
    }
    std::vector<double> errors;
    for (int k = 1; k < events && k < static_cast<int>(sentAt.size()); ++k) {
        errors.push_back(static_cast<double>(sentAt[static_cast<std::size_t>(k)] -
                                             sentAt[static_cast<std::size_t>(k - 1)] - delayMs * 1000));
    }
    *drift = static_cast<double>(sentAt[static_cast<std::size_t>(events - 1)] - sentAt[0] -
                                 static_cast<std::int64_t>(delayMs) * 1000 * (events - 1));
    return errors;
}

// --realtime: the whole run (and every thread it starts) at the real-time
// priority the Linux program's device workers are granted, to set its
// figures against a run at the normal priority.
bool RunRealtime(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--realtime") != 0) return false;
#if defined(__linux__)
    sched_param parameters{};
    parameters.sched_priority = 5;
    if (sched_setscheduler(0, SCHED_RR, &parameters) == 0) return true;
    std::perror("sched_setscheduler");
#endif
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("Priority: %s\n", RunRealtime(argc, argv) ? "real-time (round robin, 5)" : "normal");
    constexpr int kPresses = 300;
    std::printf("Press to first feature report (%d presses, microseconds)\n", kPresses);
    const Figures polling = Summarize(MeasureActionLatency(false, kPresses));
    const Figures waking = Summarize(MeasureActionLatency(true, kPresses));
    std::printf("  %-22s median %8.0f  p99 %8.0f\n", "polling player (base)", polling.median, polling.p99);
    std::printf("  %-22s median %8.0f  p99 %8.0f   ratio median %.3f  p99 %.3f\n", "waking player", waking.median,
                waking.p99, Ratio(waking.median, polling.median), Ratio(waking.p99, polling.p99));

    constexpr int kEvents = 40;
    std::printf(
        "\nMacro delay error per event (%d events, microseconds, gap minus nominal: never below 0;"
        " drift = end of pass vs nominal)\n",
        kEvents);
    for (int delay : {15, 30, 100}) {
        double plainDrift = 0;
        double pacedDrift = 0;
        const Figures plain = Summarize(MeasureDelayErrors(false, delay, kEvents, &plainDrift));
        const Figures paced = Summarize(MeasureDelayErrors(true, delay, kEvents, &pacedDrift));
        std::printf("  %3d ms  plain sleeps (base) shortest %5.0f  median %6.0f  p99 %6.0f  worst %6.0f  drift %7.0f\n",
                    delay, plain.shortest, plain.median, plain.p99, plain.worst, plainDrift);
        std::printf(
            "  %3d ms  paced player        shortest %5.0f  median %6.0f  p99 %6.0f  worst %6.0f  drift %7.0f"
            "   ratio median %.3f  worst %.3f  drift %.3f\n",
            delay, paced.shortest, paced.median, paced.p99, paced.worst, pacedDrift, Ratio(paced.median, plain.median),
            Ratio(paced.worst, plain.worst), Ratio(pacedDrift, plainDrift));
    }
    return 0;
}
