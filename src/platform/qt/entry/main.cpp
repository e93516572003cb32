// The Linux program's entry. Built twice: as vx230 over the real HID
// devices (hidapi), and with VX_SIMULATED_MOUSE as vx230-sim over the
// simulated mouse (simmouse.cmd and simmouse.log in the user's tree).
#include <QApplication>
#include <QIcon>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "device/discovery.h"
#include "platform/platform.h"
#include "platform/portable/chrono_clock.h"
#include "platform/portable/start_options.h"
#include "platform/portable/startup_trace.h"
#include "platform/posix/posix_file_system.h"
#include "platform/product.h"
#include "platform/qt/linux_desktop.h"
#include "platform/qt/linux_diagnostics.h"
#include "platform/qt/linux_foreground_watch.h"
#include "platform/qt/linux_process.h"
#include "platform/qt/linux_session_start.h"
#include "platform/qt/linux_sleep_watch.h"
#include "platform/qt/linux_system_settings.h"
#include "platform/qt/linux_threads.h"
#include "platform/qt/qt_image_decoder.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_program_rules_dialog.h"
#include "platform/qt/qt_shell.h"

#ifdef VX_SIMULATED_MOUSE
#include "platform/sim/sim_factory.h"
#else
#include "platform/qt/linux_hid_api.h"
#endif

namespace {

#ifdef VX_SIMULATED_MOUSE
constexpr char kTreeName[] = "vx230-sim";
#else
constexpr char kTreeName[] = "vx230";
#endif

// The installed, read-only data: $VX230_DATA_DIR, else <prefix>/share/vx230
// beside the installed program, else the data/ staged beside a build.
std::string DataDir() {
    namespace fs = std::filesystem;
    if (const char* chosen = std::getenv("VX230_DATA_DIR"); chosen != nullptr && chosen[0] != '\0') return chosen;
    std::error_code error;
    const fs::path exe = fs::path(vx::platform::ExecutablePath()).parent_path();
    for (const fs::path& candidate : {exe / "../share/vx230", exe / "data"}) {
        if (fs::exists(candidate / "config.ini", error)) return fs::canonical(candidate, error).string();
    }
    return (exe / "data").string();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vx::platform;
    ChronoClock clock;
    const std::int64_t entryMicros = clock.NowMicros();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(vx::platform::product::kProgramName));
    // Closing the last window is the core's business (it hides to the tray).
    QApplication::setQuitOnLastWindowClosed(false);

    const std::optional<std::string> userDir =
        UserTreeDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), kTreeName);
    if (!userDir) {
        std::fprintf(stderr, "ZUV_GMouse: neither XDG_CONFIG_HOME nor HOME is set\n");
        return 1;
    }
    const std::string dataDir = DataDir();
    const std::optional<std::string> treeError = PrepareUserTree(dataDir, *userDir);

    // QApplication has taken its own arguments out of argv.
    const StartOptions options = ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    const char* diagnosticsVariable = std::getenv("VX230_DIAGNOSTICS");
    const bool logRequested =
        options.diagnosticsLog || (diagnosticsVariable != nullptr && diagnosticsVariable[0] != '\0');
    LinuxDiagnostics systemDiagnostics(logRequested ? std::optional<std::string>(*userDir + "/diagnostics.log")
                                                    : std::nullopt);
    if (treeError) systemDiagnostics.Report(*treeError);
    for (const std::string& ignored : options.ignored) systemDiagnostics.Report("argument ignored: " + ignored);
    std::optional<StartupTrace> trace;
    if (logRequested) {
        trace.emplace(clock, systemDiagnostics, entryMicros);
        trace->Mark("Qt application and user folder");
    }

    // The core keeps its files beside the program; on Linux that is the
    // user's tree, so the program's path is given as a file in it.
    LinuxProcess process(*userDir + "/vx230");
    const QIcon icon(QString::fromStdString(dataDir + "/vx230.png"));
    QtMainWindow window(options.trayOnly ? StartVisibility::TrayOnly : StartVisibility::Shown, icon);
    process.OnRestoreRequest([&window](const std::string& title) { window.RestoreFromOtherInstance(title); });
#ifdef VX_SIMULATED_MOUSE
    std::unique_ptr<sim::SimulatedBackend> simulated = sim::CreateSimulatedMouseWithControl(
        *userDir, clock, [&window](const std::string& path) { window.PostDeviceRemoval(path); },
        [&window](const std::string& path) { window.PostDeviceArrival(path); }, systemDiagnostics);
    HidApi& hid = simulated->Hid();
    Diagnostics& diagnostics = simulated->Log();
#else
    LinuxHidApi hid(
        {vx::device::kMouseVendorId, vx::device::kMouseProductId},
        [&window](const std::string& path) { window.PostDeviceRemoval(path); },
        [&window](const std::string& node) { window.PostDeviceArrival(node); });
    Diagnostics& diagnostics = systemDiagnostics;
#endif

    process.UseDiagnostics(diagnostics);
    window.UseDiagnostics(diagnostics);

    PosixFileSystem files;
    LinuxSystemSettings systemSettings(diagnostics);
    LinuxThreads threads(diagnostics);
    // Waking up sends the configuration again, as the mouse may have lost it.
    LinuxSleepWatch sleepWatch(diagnostics, [&window](PowerEvent event) { window.PostPowerEvent(event); });
    QtShell shell;
    QtImageDecoder images;
    LinuxForegroundWatch foreground(diagnostics);
    QtProgramRulesDialog rulesDialog;
    // The tray menu's "Start with the Session": an autostart entry that
    // starts this program, hidden, with the session.
    std::optional<LinuxSessionStart> sessionStart;
    if (const std::optional<std::string> autostart =
            AutostartDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))) {
        sessionStart.emplace(*autostart + "/" + kTreeName + ".desktop", ExecutablePath());
    }

    if (trace) {
        trace->Mark("window and backends");
        window.SetStartupTrace(&*trace);
    }
    vx::app::RunProgram({files, hid, systemSettings, clock, threads, shell, images, process, window, diagnostics,
                         trace ? &*trace : nullptr, &foreground, &rulesDialog,
                         sessionStart ? &*sessionStart : nullptr});

    // The worker threads never stop and still use the objects above: end
    // the process here rather than destroy those objects under them.
    std::fflush(nullptr);
    _exit(0);
}
