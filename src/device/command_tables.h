#pragma once
// The fixed tables of the mouse's command set: button numbering, DPI and
// LED codes, pointer speeds, consumer keys and what the mouse is told for a
// button-function code (the codes themselves: button_functions.h).
#include <array>
#include <cstdint>
#include <optional>

namespace vx::device {

inline constexpr std::uint8_t kFeatureReportId = 7;
inline constexpr std::uint8_t kButtonEventReportId = 6;

// Feature-report commands (byte 1).
inline constexpr std::uint8_t kCmdSetDpiLevel = 0x09;
inline constexpr std::uint8_t kCmdSetButtonFunction = 0x10;
inline constexpr std::uint8_t kCmdSetWheelStatus = 0x11;
inline constexpr std::uint8_t kCmdSetFireTime = 0x12;
inline constexpr std::uint8_t kCmdSetLedMode = 0x13;
inline constexpr std::uint8_t kCmdKeyboardKeys = 0x15;
inline constexpr std::uint8_t kCmdMouseButtons = 0x16;
inline constexpr std::uint8_t kCmdConsumerKey = 0x17;
inline constexpr std::uint8_t kCmdDriverExit = 0x20;
// Report 0x16's byte with every button up (active low).
inline constexpr std::uint8_t kAllButtonsReleased = 0xFF;

inline constexpr int kButtonCount = 6;
inline constexpr int kDpiLevelCount = 4;

// Programmable button index (settings and interface) -> the mouse's own
// button number, also used in input report 6 as event code 0xF0 + number.
inline constexpr std::array<std::uint8_t, kButtonCount> DeviceButtonNumbers{1, 3, 2, 4, 5, 6};

// DPI step held in DPI_SETj -> device DPI code, and the DPI shown for it.
inline constexpr std::array<std::uint8_t, 12> DpiCodeTable{1, 2, 3, 4, 5, 6, 7, 9, 11, 13, 14, 15};
inline constexpr std::array<int, 12> DpiValueTable{200, 400, 600, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800};

// LED_STATUS -> LED code.
inline constexpr std::array<std::uint8_t, 4> LedCodeTable{0, 3, 6, 7};

// DPI_SPEED -> system pointer speed (1..20); indices past the end give 18.
inline constexpr std::array<int, 9> PointerSpeedTable{1, 2, 4, 6, 8, 10, 12, 14, 16};
inline constexpr int kPointerSpeedBeyondTable = 18;

// Consumer-key slot of a button function -> HID consumer-page usage.
inline constexpr std::array<std::uint16_t, 10> ConsumerKeyTable{0x223, 0x183, 0x18A, 0xE9, 0xEA,
                                                                0xB6,  0xB5,  0xE2,  0xCD, 0x192};

// Device code of a DPI step. Steps outside the table (only a hand-edited
// settings file can hold them) are sent as step 0.
std::uint8_t DpiCodeOf(int dpiStep);
// DPI shown for a device DPI code; 0 for codes the table does not use.
int DpiValueOfCode(std::uint8_t deviceCode);
// LED code of an LED_STATUS; values outside the table are sent as 0.
std::uint8_t LedCodeOf(int ledStatus);
int PointerSpeedOf(int dpiSpeed);
// Consumer usage of a button-function code, nothing for other kinds.
std::optional<std::uint16_t> ConsumerUsageOf(std::int32_t code);

// What the mouse is told for one button, and which press reports the
// program mirrors into the settings.
struct DeviceFunction {
    std::uint8_t code = 0;
    bool mirrorsDpiLevel = false;
    bool mirrorsUsbSpeed = false;
    friend bool operator==(const DeviceFunction&, const DeviceFunction&) = default;
};

// Device function code for a button-function code. Codes below 6,
// negative ones included, go out as their low byte.
DeviceFunction DeviceFunctionOf(std::int32_t code);

}  // namespace vx::device
