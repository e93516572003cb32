#pragma once
// Pointer speed and wheel scroll lines through SystemParametersInfoW.
#include "platform/system_settings.h"

namespace vx::platform {

class Win32SystemSettings final : public SystemSettings {
public:
    std::optional<int> GetMouseSpeed() override;
    bool SetMouseSpeed(int speed) override;
    std::optional<unsigned> GetWheelScrollLines() override;
    bool SetWheelScrollLines(unsigned lines) override;
};

}  // namespace vx::platform
