#pragma once
// Everything the logic asks of the platform, handed around as one bundle of
// references. A backend (Windows, the tests' doubles, later Linux) builds one.
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "platform/foreground_watch.h"
#include "platform/hid.h"
#include "platform/image.h"
#include "platform/process.h"
#include "platform/profile_files.h"
#include "platform/program_rules_dialog.h"
#include "platform/shell.h"
#include "platform/session_start.h"
#include "platform/system_settings.h"
#include "platform/threads.h"
#include "platform/window.h"

namespace vx::platform {

class StartupTrace;

struct Platform {
    FileSystem& files;
    ProfileFiles& profiles;
    HidApi& hid;
    SystemSettings& systemSettings;
    Clock& clock;
    Threads& threads;
    Shell& shell;
    ImageDecoder& images;
    Process& process;
    MainWindow& window;
    Diagnostics& diagnostics;
    // Set by the entry when the diagnostics log is on.
    StartupTrace* startupTrace = nullptr;
    // The per-program profiles' watch and dialog, where the backend has them.
    ForegroundWatch* foreground = nullptr;
    ProgramRulesDialog* rulesDialog = nullptr;
    // Where the program offers to start with the session itself (Linux).
    SessionStart* sessionStart = nullptr;
};

}  // namespace vx::platform
