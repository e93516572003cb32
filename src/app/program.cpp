#include "app/program.h"

#include "app/app_state.h"
#include "app/application.h"
#include "app/auto_switch_feature.h"
#include "app/main_window.h"
#include "app/program_interface.h"
#include "app/program_subsystems.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/portable/program_paths.h"

namespace vx::app {

struct Program::Impl {
    explicit Impl(platform::Platform& p)
        : platform(p),
          subsystems(state, p),
          interface(state, p, subsystems),
          dialog(state, p, subsystems, interface),
          autoSwitch(state, p, subsystems) {
        state.settings.ProgramDir = platform::ModuleFolder(p.process.ModuleFileName());
        dialog.AttachAutoSwitch(autoSwitch);
        state.autoSwitchOn = [this] { return autoSwitch.AutoSwitchOn(); };
        state.setAutoSwitchOn = [this](bool on) { autoSwitch.SetAutoSwitchOn(on); };
    }

    AppState state;
    platform::Platform& platform;
    ProgramSubsystems subsystems;
    ProgramInterface interface;
    CZUV_GMouseDlg dialog;
    AutoSwitchFeature autoSwitch;
};

Program::Program(platform::Platform& platform) : impl_(std::make_unique<Impl>(platform)) {}

Program::~Program() = default;

bool Program::InitInstance() { return app::InitInstance(impl_->platform, impl_->dialog); }

AppState& Program::state() { return impl_->state; }

AutoSwitchFeature& Program::autoSwitch() { return impl_->autoSwitch; }

void RunProgram(const BackendServices& services) {
    // The worker threads never stop and use all of these until the entry
    // point ends the process: they are never destroyed under them.
    // The portable writer replaces profile files as a whole, so a crash
    // during a save never leaves a truncated config.ini.
    auto* profiles = new platform::PortableProfileFiles(services.files, services.diagnostics);
    auto* platform = new platform::Platform{services.files,   *profiles,        services.hid,    services.systemSettings,
                                            services.clock,   services.threads, services.shell,  services.images,
                                            services.process, services.window,  services.diagnostics};
    platform->startupTrace = services.startupTrace;
    platform->foreground = services.foreground;
    platform->rulesDialog = services.rulesDialog;
    platform->sessionStart = services.sessionStart;
    auto* program = new Program(*platform);
    program->InitInstance();
}

}  // namespace vx::app
