#include "device/command_tables.h"

namespace vx::device {

std::uint8_t DpiCodeOf(int dpiStep) {
    if (dpiStep < 0 || dpiStep >= static_cast<int>(DpiCodeTable.size())) return DpiCodeTable[0];
    return DpiCodeTable[static_cast<std::size_t>(dpiStep)];
}

int DpiValueOfCode(std::uint8_t deviceCode) {
    for (std::size_t i = 0; i < DpiCodeTable.size(); ++i) {
        if (DpiCodeTable[i] == deviceCode) return DpiValueTable[i];
    }
    return 0;
}

std::uint8_t LedCodeOf(int ledStatus) {
    if (ledStatus < 0 || ledStatus >= static_cast<int>(LedCodeTable.size())) return LedCodeTable[0];
    return LedCodeTable[static_cast<std::size_t>(ledStatus)];
}

int PointerSpeedOf(int dpiSpeed) {
    if (dpiSpeed < 0 || dpiSpeed >= static_cast<int>(PointerSpeedTable.size())) return kPointerSpeedBeyondTable;
    return PointerSpeedTable[static_cast<std::size_t>(dpiSpeed)];
}

std::optional<std::uint16_t> ConsumerUsageOf(std::int32_t code) {
    const std::int64_t index = static_cast<std::int64_t>(code) - kFirstConsumerKeyCode;
    if (index < 0 || index >= static_cast<std::int64_t>(ConsumerKeyTable.size())) return std::nullopt;
    return ConsumerKeyTable[static_cast<std::size_t>(index)];
}

ButtonFunctionKind ButtonFunctionKindOf(std::int32_t code) {
    if (code >= 1 && code <= 5) return ButtonFunctionKind::MouseFunction;
    if (code == 6 || code == 15 || code == 16) return ButtonFunctionKind::DpiChange;
    if (code >= 11 && code <= 13) return ButtonFunctionKind::MouseFunction;
    if (code == 14) return ButtonFunctionKind::UsbSpeedStep;
    if (code == 17) return ButtonFunctionKind::MouseFunction;
    if (code >= 21 && code <= 30) return ButtonFunctionKind::ConsumerKey;
    if (code >= 31 && code <= 38) return ButtonFunctionKind::ConstantMacro;
    if (code == 39) return ButtonFunctionKind::StartCalculator;
    if (code == 40) return ButtonFunctionKind::StartCommandPrompt;
    if (code >= 41 && code <= 52) return ButtonFunctionKind::UserMacro;
    return ButtonFunctionKind::NoFunction;
}

DeviceFunction DeviceFunctionOf(std::int32_t code) {
    // Checked in this order: the DPI buttons first, then every code below 6
    // as its low byte, then the mouse's own functions 7..13.
    if (code == 6) return {6, true, false};
    if (code == 15) return {11, true, false};
    if (code == 16) return {12, true, false};
    if (code < 6) return {static_cast<std::uint8_t>(static_cast<std::uint32_t>(code) & 0xFFu), false, false};
    if (code >= 11 && code <= 17) return {static_cast<std::uint8_t>(code - 4), false, code == 14};
    return {};
}

}  // namespace vx::device
