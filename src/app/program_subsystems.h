#pragma once
// The real subsystems behind app::Subsystems.
#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

class ProgramSubsystems : public Subsystems {
public:
    ProgramSubsystems(AppState& state, platform::Platform& platform) : state_(state), platform_(platform) {}

    void StartWorkers() override;
    void LoadMainLayout() override;
    void LoadColorLayout() override;
    void LoadAdvancedLayout() override;
    // The control objects belong to the window backend and last the whole
    // run; their windows come with the advanced page.
    void AllocateAdvancedControls() override {}
    void LoadWarningLayout() override;
    std::array<Rect, 3> RepaintCutouts() override;
    void LoadUserMacros(const std::string& file) override;
    void LoadConstantMacros(const std::string& file) override;
    void ResetMacroInterfaceState() override;
    void LoadLanguageMenus(settings::UiLanguage language) override;
    bool FindMouse() override;
    void WatchForMouse() override;
    bool IsMouseNotification(const platform::DeviceNotification& notification) override;
    void ApplyConfiguration() override;
    void ReleaseAllAndSendDriverExit() override;

private:
    template <typename Loader>
    void LoadLayout(Loader loader);

    AppState& state_;
    platform::Platform& platform_;
};

}  // namespace vx::app
