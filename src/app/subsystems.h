#pragma once
// The operations of other subsystems that start-up and the window's life
// run, gathered behind one interface so that the start-up sequence can be
// checked step by step. ProgramSubsystems (app/program_subsystems.*) wires
// them to the real code.
#include <array>
#include <string>

#include "platform/geometry.h"
#include "platform/hid.h"

#include "settings/mouse_config.h"

namespace vx::app {

class Subsystems {
public:
    virtual ~Subsystems() = default;
    virtual void StartWorkers() = 0;  // InputListener, then ActionPlayer
    virtual void LoadMainLayout() = 0;
    virtual void LoadColorLayout() = 0;
    virtual void LoadAdvancedLayout() = 0;
    virtual void AllocateAdvancedControls() = 0;
    virtual void LoadWarningLayout() = 0;
    // The advanced page's child controls, cut out of the repaint region:
    // the name field (EDIT 4), the event list (MACRODISPLAY 2) and the
    // macro list (MACRODISPLAY 1), in that order.
    virtual std::array<Rect, 3> RepaintCutouts() = 0;
    virtual void LoadUserMacros(const std::string& file) = 0;
    virtual void LoadConstantMacros(const std::string& file) = 0;
    virtual void ResetMacroInterfaceState() = 0;  // menuOpen, clickedLine
    virtual void LoadLanguageMenus(settings::UiLanguage language) = 0;
    virtual bool FindMouse() = 0;
    // Asks for a notification whenever a HID interface arrives, so a mouse
    // plugged in later is found (OnDeviceArrived).
    virtual void WatchForMouse() = 0;
    virtual bool IsMouseNotification(const platform::DeviceNotification& notification) = 0;
    virtual void ApplyConfiguration() = 0;
    // Playback stopped for good with every key and button it holds let go,
    // then the 0x20 report, when the write channel is open.
    virtual void ReleaseAllAndSendDriverExit() = 0;
};

}  // namespace vx::app
