#pragma once
// The whole program over one platform backend: owns the state and the
// subsystems. A backend's entry point builds a Platform and calls
// InitInstance; tests build a Program over doubles.
#include <memory>

#include "platform/platform.h"

namespace vx::app {

struct AppState;
class AutoSwitchFeature;

class Program {
public:
    explicit Program(platform::Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The application entry: single instance, then the main window runs
    // modally. Always false, so the process ends when it returns.
    bool InitInstance();

    AppState& state();
    // The per-program profiles' on/off switch (AutoSwitchOn, SetAutoSwitchOn).
    AutoSwitchFeature& autoSwitch();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// What a backend's entry point brings; the program adds what every system
// shares (the settings writer).
struct BackendServices {
    platform::FileSystem& files;
    platform::HidApi& hid;
    platform::SystemSettings& systemSettings;
    platform::Clock& clock;
    platform::Threads& threads;
    platform::Shell& shell;
    platform::ImageDecoder& images;
    platform::Process& process;
    platform::MainWindow& window;
    platform::Diagnostics& diagnostics;
    // With diagnostics on: the start-up steps' times go on record.
    platform::StartupTrace* startupTrace = nullptr;
    // The per-program profiles, where the backend has a watch and a dialog.
    platform::ForegroundWatch* foreground = nullptr;
    platform::ProgramRulesDialog* rulesDialog = nullptr;
    // Where the program itself offers to start with the session (Linux).
    platform::SessionStart* sessionStart = nullptr;
};

// Builds the Platform over the backend's services and runs the program
// until its window has ended.
void RunProgram(const BackendServices& services);

}  // namespace vx::app
