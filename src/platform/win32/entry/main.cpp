// The Windows program's entry. Built twice: as the production program over
// the real HID devices, and with VX_SIMULATED_MOUSE over the simulated
// mouse (controlled through simmouse.cmd beside the exe).
#include "platform/win32/windows_api.h"

#include <functional>
#include <optional>
#include <string>

#include "app/program.h"
#include "platform/platform.h"
#include "platform/portable/program_paths.h"
#include "platform/portable/start_options.h"
#include "platform/portable/startup_trace.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_diagnostics.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_foreground_watch.h"
#include "platform/win32/win32_image_decoder.h"
#include "platform/win32/win32_main_window.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_program_rules_dialog.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_settings.h"
#include "platform/win32/win32_threads.h"

#ifdef VX_SIMULATED_MOUSE
#include "platform/sim/sim_factory.h"
#else
#include "platform/win32/hid/hid_win32.h"
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    using namespace vx::platform;
    Win32Clock clock;
    const std::int64_t entryMicros = clock.NowMicros();

    const StartOptions options = ParseStartOptions(Narrow(commandLine ? commandLine : L""));
    Win32Process process;
    const std::string programDir = ModuleFolder(process.ModuleFileName());
    const bool logRequested = DiagnosticsLogRequested(options.diagnosticsLog);
    Win32Diagnostics systemDiagnostics(logRequested ? std::optional<std::string>(programDir + "\\diagnostics.log")
                                                    : std::nullopt);
    for (const std::string& ignored : options.ignored) systemDiagnostics.Report("argument ignored: " + ignored);
    std::optional<StartupTrace> trace;
    if (logRequested) trace.emplace(clock, systemDiagnostics, entryMicros);
    // Timers keep their resolution while the window is hidden (Windows 11
    // would otherwise coarsen them for a process without a visible window).
    KeepTimerResolution(systemDiagnostics);
    // --tray (the start-with-Windows entry): only the tray icon until the
    // user shows the window from it.
    Win32MainWindow window(options.trayOnly ? StartVisibility::TrayOnly : StartVisibility::Shown);
#ifdef VX_SIMULATED_MOUSE
    std::unique_ptr<sim::SimulatedBackend> simulated = sim::CreateSimulatedMouseWithControl(
        programDir, clock, [&window](const std::string& path) { window.PostDeviceRemoval(path); },
        [&window](const std::string& path) { window.PostDeviceArrival(path); }, systemDiagnostics);
    HidApi& hid = simulated->Hid();
    Diagnostics& diagnostics = simulated->Log();
#else
    Win32HidApi hid([&window]() -> void* { return window.Handle(); });
    Diagnostics& diagnostics = systemDiagnostics;
#endif

    window.UseDiagnostics(diagnostics);
    // vx230ctl's requests run on the interface thread, as clicks do.
    process.UseForControlRequests([&window](std::function<void()> task) { window.Post(std::move(task)); }, diagnostics);

    Win32FileSystem files;
    Win32SystemSettings systemSettings;
    Win32Threads threads;
    Win32Shell shell;
    Win32ImageDecoder images;
    Win32ForegroundWatch foreground;
    Win32ProgramRulesDialog rulesDialog([&window]() -> void* { return window.Handle(); });

    if (trace) {
        trace->Mark("window and backends");
        window.SetStartupTrace(&*trace);
    }
    vx::app::RunProgram({files, hid, systemSettings, clock, threads, shell, images, process, window, diagnostics,
                         trace ? &*trace : nullptr, &foreground, &rulesDialog});

    // The worker threads never stop and still use the objects above: end the
    // process here, which stops them first, instead of destroying those
    // objects under them on the way out of this function.
    ExitProcess(0);
}
