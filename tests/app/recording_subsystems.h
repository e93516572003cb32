#pragma once
// The operations of the other subsystems as named steps in the platform
// doubles' log, so that the start-up and lifecycle tests read one ordered
// log of steps.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/subsystems.h"
#include "platform/testing/call_log.h"

namespace vx::app::test_support {

using Log = std::vector<std::string>;

class RecordingSubsystems : public Subsystems {
public:
    explicit RecordingSubsystems(platform::testing::CallLog& log) : log_(log) {}
    void StartWorkers() override { log_.Add("StartWorkers"); }
    void LoadMainLayout() override { Step("LoadMainLayout"); }
    void LoadColorLayout() override { Step("LoadColorLayout"); }
    void LoadAdvancedLayout() override { Step("LoadAdvancedLayout"); }
    void AllocateAdvancedControls() override { log_.Add("AllocateAdvancedControls"); }
    void LoadWarningLayout() override { Step("LoadWarningLayout"); }
    std::array<Rect, 3> RepaintCutouts() override { return cutouts; }
    void LoadUserMacros(const std::string& file) override { log_.Add("LoadUserMacros:" + file); }
    void LoadConstantMacros(const std::string& file) override { log_.Add("LoadConstantMacros:" + file); }
    void ResetMacroInterfaceState() override { log_.Add("ResetMacroInterfaceState"); }
    void LoadLanguageMenus(settings::UiLanguage language) override {
        log_.Add("LoadLanguageMenus:" + std::to_string(static_cast<int>(language)));
    }
    bool FindMouse() override {
        log_.Add("FindMouse");
        return mousePresent;
    }
    void WatchForMouse() override { log_.Add("WatchForMouse"); }
    bool IsMouseNotification(const platform::DeviceNotification& n) override {
        return n.isDeviceInterface && n.interfacePath == mousePath;
    }
    void ApplyConfiguration() override { log_.Add("ApplyConfiguration"); }
    void ReleaseAllAndSendDriverExit() override { log_.Add("ReleaseAllAndSendDriverExit"); }

    // A layout step that runs this instead of its own work (the missing
    // file path calls the exit sequence from inside a loader).
    std::string failingLayout;
    std::function<void()> onLayoutFailure;
    bool mousePresent = true;
    std::string mousePath = "\\\\?\\hid#vid_18f8&pid_1286&mi_01";
    std::array<Rect, 3> cutouts{};

private:
    void Step(const std::string& name) {
        log_.Add(name);
        if (name == failingLayout && onLayoutFailure) onLayoutFailure();
    }
    platform::testing::CallLog& log_;
};

}  // namespace vx::app::test_support
