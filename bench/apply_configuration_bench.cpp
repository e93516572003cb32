// One ApplyConfiguration against the simulated mouse with config.ini in a
// real folder: the 13 reports and the two configuration saves written as
// grouped profile changes, against the same saves made one key at a time
// (one whole-file rewrite per key). Prints both times and their ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "device/apply_configuration.h"
#include "device/device_session.h"
#include "device/discovery.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/sim/simulated_mouse.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/fake_image_decoder.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/fake_process.h"
#include "platform/testing/fake_shell.h"
#include "platform/testing/fake_system_settings.h"
#include "platform/testing/fake_threads.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/settings_store.h"

namespace {

using namespace vx;
namespace fs = std::filesystem;

// The profile writer as it would be without grouped writes.
class OneKeyAtATimeProfiles : public platform::ProfileFiles {
public:
    explicit OneKeyAtATimeProfiles(platform::ProfileFiles& inner) : inner_(inner) {}
    std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                           std::size_t capacity) override {
        return inner_.ReadString(file, section, key, capacity);
    }
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) override {
        return inner_.WriteString(file, section, key, value);
    }
    bool WriteStrings(const std::string& file, std::string_view section,
                      const std::vector<platform::ProfileEntry>& entries) override {
        bool ok = true;
        for (const platform::ProfileEntry& entry : entries)
            ok = WriteString(file, section, entry.key, entry.value) && ok;
        return ok;
    }
    bool FileExists(const std::string& file) override { return inner_.FileExists(file); }

private:
    platform::ProfileFiles& inner_;
};

settings::MouseConfig FactoryDefaults() {
    settings::MouseConfig c;
    c.K0 = 1, c.K1 = 3, c.K2 = 2, c.K3 = 4, c.K4 = 5, c.K5 = 6;
    c.DPI_SET0 = 3, c.DPI_SET1 = 5, c.DPI_SET2 = 6, c.DPI_SET3 = 8;
    c.DPI_SET_EN0 = c.DPI_SET_EN1 = c.DPI_SET_EN2 = c.DPI_SET_EN3 = true;
    c.FIRE_TIME = 50, c.DPI_SPEED = 4, c.WHEEL_SPEED = 2;
    return c;
}

void ApplyWith(benchmark::State& run, bool grouped) {
    const fs::path dir = fs::temp_directory_path() / (grouped ? "vx_apply_bench_grouped" : "vx_apply_bench_single");
    fs::remove_all(dir);
    fs::create_directories(dir);

    platform::testing::SteadyClock clock;
    platform::sim::SimulatedMouse mouse(clock, platform::sim::SimulatedMouse::ReportMemory::Drop);
    platform::PosixFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles portable{files, diagnostics};
    OneKeyAtATimeProfiles single(portable);
    platform::ProfileFiles& profiles = grouped ? static_cast<platform::ProfileFiles&>(portable) : single;
    platform::testing::FakeSystemSettings systemSettings;
    platform::testing::FakeShell shell;
    platform::testing::FakeMainWindow window;
    platform::testing::FakeThreads threads;
    platform::testing::FakeImageDecoder images;
    platform::testing::FakeProcess process;
    platform::Platform bundle{files, profiles, mouse,   systemSettings, clock,      threads,
                              shell, images,   process, window,         diagnostics};

    settings::SettingsStore settings;
    device::DeviceSession session;
    settings.ConfigPath = dir.string() + "\\config.ini";
    settings.CurrentConfigNumber = 1;
    settings.config = FactoryDefaults();
    if (!device::FindMouse(session, mouse)) {
        run.SkipWithError("simulated mouse not found");
        return;
    }
    for (auto _ : run) device::ApplyConfiguration(settings, session, bundle);
    fs::remove_all(dir);
}

void BM_ApplyGroupedWrites(benchmark::State& run) { ApplyWith(run, true); }
void BM_ApplyOneWritePerKey(benchmark::State& run) { ApplyWith(run, false); }
BENCHMARK(BM_ApplyGroupedWrites)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ApplyOneWritePerKey)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps each benchmark's time per apply so the ratio can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto grouped = reporter.times.find("BM_ApplyGroupedWrites");
    const auto single = reporter.times.find("BM_ApplyOneWritePerKey");
    if (grouped != reporter.times.end() && single != reporter.times.end() && grouped->second > 0) {
        std::printf("ApplyConfiguration, grouped profile writes: %.3f ms\n", grouped->second);
        std::printf("ApplyConfiguration, one write per key:      %.3f ms\n", single->second);
        std::printf("one-write-per-key / grouped: %.1fx\n", single->second / grouped->second);
    }
    benchmark::Shutdown();
    return 0;
}
