#include "device/command_tables.h"

#include "device/button_functions.h"

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
    const ButtonFunction function = ClassifyButtonFunction(code);
    if (function.kind != ButtonFunctionKind::ConsumerKey) return std::nullopt;
    return ConsumerKeyTable[static_cast<std::size_t>(function.slot)];
}

DeviceFunction DeviceFunctionOf(std::int32_t code) {
    const ButtonFunction function = ClassifyButtonFunction(code);
    // Codes below the table (0 and negative ones, only in hand-edited
    // settings) go out as their low byte, as they always have.
    if (code < kButtonFunctionRuns.front().first) {
        return {static_cast<std::uint8_t>(static_cast<std::uint32_t>(code) & 0xFFu), false, false};
    }
    return {function.deviceCode, function.kind == ButtonFunctionKind::DpiChange,
            function.kind == ButtonFunctionKind::UsbSpeedStep};
}

}  // namespace vx::device
