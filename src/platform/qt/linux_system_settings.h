#pragma once
// The pointer speed through the GNOME setting
// org.gnome.desktop.peripherals.mouse speed (-1..1), read and written with
// gsettings; the Windows scale 1..20 is mapped onto it (linux_desktop.h).
// Without gsettings or the schema every call fails, said once to the
// diagnostics. Linux has no system-wide wheel line count: those calls fail.
#include <mutex>
#include <optional>

#include "platform/diagnostics.h"
#include "platform/system_settings.h"

namespace vx::platform {

class LinuxSystemSettings final : public SystemSettings {
public:
    explicit LinuxSystemSettings(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    std::optional<int> GetMouseSpeed() override;
    bool SetMouseSpeed(int speed) override;
    std::optional<unsigned> GetWheelScrollLines() override { return std::nullopt; }
    bool SetWheelScrollLines(unsigned /*lines*/) override { return false; }

private:
    bool Available();

    Diagnostics& diagnostics_;
    std::once_flag checked_;
    bool available_ = false;
};

}  // namespace vx::platform
