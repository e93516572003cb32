#include "platform/win32/win32_system_settings.h"

#include "platform/win32/windows_api.h"

namespace vx::platform {

std::optional<int> Win32SystemSettings::GetMouseSpeed() {
    int speed = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
    return speed;
}

bool Win32SystemSettings::SetMouseSpeed(int speed) {
    // Windows reads the speed from pvParam, some compatible systems from
    // uiParam: it goes in both.
    return SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                                 reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

std::optional<unsigned> Win32SystemSettings::GetWheelScrollLines() {
    UINT lines = 0;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
    return lines;
}

bool Win32SystemSettings::SetWheelScrollLines(unsigned lines) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_UPDATEINIFILE) != FALSE;
}

}  // namespace vx::platform
