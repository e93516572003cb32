#include "device/apply_configuration.h"

#include <mutex>

#include "device/command_tables.h"
#include "device/feature_report.h"
#include "settings/settings_file.h"

namespace vx::device {

namespace {

constexpr std::int32_t kAppliedCopyNumber = 6;

std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu); }

// Caller holds ConfigLock.
void SendButtonFunctions(app::AppState& state, platform::HidApi& hid, const settings::MouseConfig& config) {
    std::lock_guard lock(state.ReportLock);
    auto& buffer = state.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdSetButtonFunction;
    for (int i = 0; i < kButtonCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const DeviceFunction function = DeviceFunctionOf(config.Button(i));
        state.MirrorsDpiLevel[index] = function.mirrorsDpiLevel;
        state.MirrorsUsbSpeed[index] = function.mirrorsUsbSpeed;
        buffer[2] = DeviceButtonNumbers[index];
        buffer[3] = function.code;
        SendFeatureReport(state, hid);
    }
}

void SendWheelStatus(app::AppState& state, platform::HidApi& hid, const settings::MouseConfig& config) {
    std::lock_guard lock(state.ReportLock);
    auto& buffer = state.ReportBuffer;
    buffer[1] = kCmdSetWheelStatus;
    buffer[2] = LowByte(config.WHEEL_STATUS);
    buffer[3] = 0;
    SendFeatureReport(state, hid);
}

// Caller holds ConfigLock.
void SendDpiLevels(app::AppState& state, platform::HidApi& hid, const settings::MouseConfig& config) {
    std::uint8_t mask = 0;
    for (int j = 0; j < kDpiLevelCount; ++j) {
        if (config.DpiEnabled(j)) mask = static_cast<std::uint8_t>(mask | (1u << j));
    }
    for (int j = 0; j < kDpiLevelCount; ++j) {
        const auto level = static_cast<std::size_t>(j);
        std::lock_guard lock(state.ReportLock);
        auto& buffer = state.ReportBuffer;
        buffer[0] = kFeatureReportId;
        buffer[1] = kCmdSetDpiLevel;
        buffer[4] = mask;
        state.SentDpiCodes[level] = DpiCodeOf(config.DpiSet(j));
        buffer[2] = LowByte(0x40 + LowByte(config.DPI_LEVEL));
        buffer[3] = static_cast<std::uint8_t>(state.SentDpiCodes[level] * 16 + 8 + j);
        SendFeatureReport(state, hid);
    }
}

// Caller holds ConfigLock.
void SendLedMode(app::AppState& state, platform::HidApi& hid, const settings::MouseConfig& config) {
    state.AppliedLedMode = config.LED_STATUS;
    std::lock_guard lock(state.ReportLock);
    auto& buffer = state.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdSetLedMode;
    buffer[2] = 0x7F;
    buffer[3] = static_cast<std::uint8_t>(0x10 + LedCodeOf(config.LED_STATUS));
    SendFeatureReport(state, hid);
}

void SendFireTime(app::AppState& state, platform::HidApi& hid, std::int32_t fireTime) {
    const std::int32_t quotient = fireTime / 8;
    std::lock_guard lock(state.ReportLock);
    auto& buffer = state.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdSetFireTime;
    buffer[2] = LowByte(quotient / 256);
    buffer[3] = LowByte(quotient % 256);
    for (std::size_t i = 4; i <= 7; ++i) buffer[i] = 0;
    SendFeatureReport(state, hid);
}

void SetSystemInputSettings(platform::SystemSettings& system, const settings::MouseConfig& config) {
    // A failed query leaves that setting as the user had it.
    if (system.GetMouseSpeed()) (void)system.SetMouseSpeed(PointerSpeedOf(config.DPI_SPEED));
    if (system.GetWheelScrollLines()) {
        (void)system.SetWheelScrollLines(static_cast<std::uint8_t>(config.WHEEL_SPEED + 1));
    }
}

}  // namespace

void ApplyConfiguration(app::AppState& state, platform::Platform& platform) {
    const std::int32_t current = state.CurrentConfigNumber.load();
    settings::WriteCurConfig(platform.profiles, state.ConfigPath, current);
    settings::SaveConfig(state, platform.profiles, state.ConfigPath, kAppliedCopyNumber);

    settings::MouseConfig sent;
    {
        std::lock_guard configLock(state.ConfigLock);
        sent = state.config;
        SendButtonFunctions(state, platform.hid, sent);
        SendWheelStatus(state, platform.hid, sent);
        SendDpiLevels(state, platform.hid, sent);
        SendLedMode(state, platform.hid, sent);
    }
    platform.window.Invalidate();
    SetSystemInputSettings(platform.systemSettings, sent);
    SendFireTime(state, platform.hid, sent.FIRE_TIME);

    settings::SaveConfig(state, platform.profiles, state.ConfigPath, current);
}

}  // namespace vx::device
