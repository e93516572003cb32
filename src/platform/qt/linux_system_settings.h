#pragma once
// The pointer speed and the wheel's line count in the desktop's own
// settings, chosen by the session (linux_desktop_input.h): GNOME's
// gsettings, Plasma's kcminputrc and kdeglobals (applied as Plasma's mouse
// settings apply them: XInput on X11, KWin's input devices on Wayland), or
// the libinput speed of every X11 pointer elsewhere. The Windows scale
// 1..20 is mapped onto the desktop's -1..1 (linux_desktop.h). Where no
// setting applies the program leaves it alone, said once to the diagnostics.
#include <mutex>
#include <optional>
#include <string>

#include "platform/diagnostics.h"
#include "platform/qt/linux_desktop_input.h"
#include "platform/system_settings.h"

namespace vx::platform {

class LinuxSystemSettings final : public SystemSettings {
public:
    // The session and the key files' folder from the environment.
    explicit LinuxSystemSettings(Diagnostics& diagnostics);
    // `configDir` holds the desktop's key files (kcminputrc, kdeglobals).
    LinuxSystemSettings(Diagnostics& diagnostics, DesktopInputPlan plan, std::string configDir);

    // The first call decides, with at most one line on record.
    bool HasMouseSpeed() override { return PointerAvailable(); }
    // Plasma alone keeps a line count (the others scroll as they like).
    bool HasWheelScrollLines() override { return plan_.plasmaWheelLines && !configDir_.empty(); }
    std::optional<int> GetMouseSpeed() override;
    bool SetMouseSpeed(int speed) override;
    std::optional<unsigned> GetWheelScrollLines() override;
    bool SetWheelScrollLines(unsigned lines) override;

private:
    bool PointerAvailable();
    std::optional<double> ReadDesktopSpeed();
    bool WriteDesktopSpeed(double speed);

    Diagnostics& diagnostics_;
    DesktopInputPlan plan_;
    std::string configDir_;
    std::once_flag checked_;
    bool available_ = false;
};

}  // namespace vx::platform
