#include "device/apply_configuration.h"

#include <mutex>

#include "device/command_tables.h"
#include "device/feature_report.h"
#include "settings/profiles.h"
#include "settings/settings_file.h"

namespace vx::device {

namespace {

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

// Caller holds ConfigLock.
void SendButtonFunctions(DeviceSession& session, const ReportSink& sink, const settings::MouseConfig& config) {
    std::lock_guard lock(session.ReportLock);
    auto& buffer = session.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdSetButtonFunction;
    for (int i = 0; i < kButtonCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const DeviceFunction function = DeviceFunctionOf(config.Button(i));
        session.applied.MirrorsDpiLevel[index] = function.mirrorsDpiLevel;
        session.applied.MirrorsUsbSpeed[index] = function.mirrorsUsbSpeed;
        buffer[2] = DeviceButtonNumbers[index];
        buffer[3] = function.code;
        SendFeatureReport(session, sink);
    }
}

void SendWheelStatus(DeviceSession& session, const ReportSink& sink, const settings::MouseConfig& config) {
    std::lock_guard lock(session.ReportLock);
    auto& buffer = session.ReportBuffer;
    buffer[1] = kCmdSetWheelStatus;
    buffer[2] = LowByte(config.WHEEL_STATUS);
    buffer[3] = 0;
    SendFeatureReport(session, sink);
}

// Caller holds ConfigLock.
void SendDpiLevels(DeviceSession& session, const ReportSink& sink, const settings::MouseConfig& config) {
    std::uint8_t mask = 0;
    for (int j = 0; j < kDpiLevelCount; ++j) {
        if (config.DpiEnabled(j)) mask = static_cast<std::uint8_t>(mask | (1u << j));
    }
    for (int j = 0; j < kDpiLevelCount; ++j) {
        const auto level = static_cast<std::size_t>(j);
        std::lock_guard lock(session.ReportLock);
        auto& buffer = session.ReportBuffer;
        buffer[0] = kFeatureReportId;
        buffer[1] = kCmdSetDpiLevel;
        buffer[4] = mask;
        session.applied.SentDpiCodes[level] = DpiCodeOf(config.DpiSet(j));
        buffer[2] = LowByte(0x40 + LowByte(config.DPI_LEVEL));
        buffer[3] = static_cast<std::uint8_t>(session.applied.SentDpiCodes[level] * 16 + 8 + j);
        SendFeatureReport(session, sink);
    }
}

// Caller holds ConfigLock.
void SendLedMode(DeviceSession& session, const ReportSink& sink, const settings::MouseConfig& config) {
    session.applied.AppliedLedMode = config.LED_STATUS;
    std::lock_guard lock(session.ReportLock);
    auto& buffer = session.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdSetLedMode;
    buffer[2] = 0x7F;
    buffer[3] = static_cast<std::uint8_t>(0x10 + LedCodeOf(config.LED_STATUS));
    SendFeatureReport(session, sink);
}

void SendFireTime(DeviceSession& session, const ReportSink& sink, std::int32_t fireTime) {
    const std::int32_t quotient = fireTime / 8;
    std::lock_guard lock(session.ReportLock);
    auto& buffer = session.ReportBuffer;
    buffer[0] = kFeatureReportId;
    buffer[1] = kCmdSetFireTime;
    buffer[2] = LowByte(quotient / 256);
    buffer[3] = LowByte(quotient % 256);
    for (std::size_t i = 4; i <= 7; ++i) buffer[i] = 0;
    SendFeatureReport(session, sink);
}

void SetSystemInputSettings(platform::SystemSettings& system, platform::Diagnostics& diagnostics,
                            const settings::MouseConfig& config) {
    // A failed query leaves that setting as the user had it; a system
    // without the setting is left alone without a word.
    if (system.HasMouseSpeed()) {
        if (!system.GetMouseSpeed()) {
            diagnostics.Report("pointer speed not set: the current speed could not be read");
        } else if (!system.SetMouseSpeed(PointerSpeedOf(config.DPI_SPEED))) {
            diagnostics.Report("pointer speed not set: the system refused it");
        }
    }
    if (system.HasWheelScrollLines()) {
        if (!system.GetWheelScrollLines()) {
            diagnostics.Report("wheel scroll lines not set: the current value could not be read");
        } else if (!system.SetWheelScrollLines(static_cast<std::uint8_t>(config.WHEEL_SPEED + 1))) {
            diagnostics.Report("wheel scroll lines not set: the system refused them");
        }
    }
}

}  // namespace

void ApplyConfiguration(settings::SettingsStore& settings, DeviceSession& session, platform::Platform& platform) {
    const std::int32_t current = settings.CurrentConfigNumber.load();
    settings::WriteCurConfig(platform.profiles, settings.ConfigPath, current);
    settings::SaveConfig(settings, platform.profiles, settings.ConfigPath, settings::kAppliedCopyNumber);

    const ReportSink sink{platform.hid, platform.diagnostics};
    settings::MouseConfig sent;
    {
        std::lock_guard configLock(settings.ConfigLock);
        sent = settings.config;
        SendButtonFunctions(session, sink, sent);
        SendWheelStatus(session, sink, sent);
        SendDpiLevels(session, sink, sent);
        SendLedMode(session, sink, sent);
    }
    platform.window.Invalidate();
    SetSystemInputSettings(platform.systemSettings, platform.diagnostics, sent);
    SendFireTime(session, sink, sent.FIRE_TIME);

    settings::SaveConfig(settings, platform.profiles, settings.ConfigPath, current);
}

}  // namespace vx::device
