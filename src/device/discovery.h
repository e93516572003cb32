#pragma once
// Finding the mouse among the present HID interfaces and opening its two
// vendor collections.
#include "device/device_session.h"
#include "platform/hid.h"

namespace vx::device {

inline constexpr std::uint16_t kMouseVendorId = 0x18F8;
inline constexpr std::uint16_t kMouseProductId = 0x1286;
inline constexpr std::uint16_t kReadUsagePage = 0xFF00;
inline constexpr std::uint16_t kWriteUsagePage = 0xFF01;
inline constexpr std::uint16_t kChannelUsage = 1;
inline constexpr int kMaxInterfaceIndices = 100;
// The input buffer and ReportBuffer hold this many bytes.
inline constexpr std::uint16_t kMaxReportLength = 256;

// Searches the first 100 HID interface indices, registers the main window
// for notifications once per interface of the mouse and opens ReadChannel
// and WriteChannel. Returns MouseConnected.
bool FindMouse(DeviceSession& session, platform::HidApi& hid);

// True when a device-change notification is about the mouse's saved
// interface (paths compared without regard to letter case).
bool IsMouseNotification(const DeviceLink& link, const platform::DeviceNotification& notification);

}  // namespace vx::device
