#pragma once
// HID class operations the device link needs. Handles are opaque numbers;
// kInvalidHidHandle marks a failed open.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vx::platform {

using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

enum class HidAccess { Query, Read, Write };

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

struct HidCaps {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;    // report id byte included
    std::uint16_t featureReportLength = 0;  // report id byte included
};

// One device-change notification as the main window receives it.
struct DeviceNotification {
    bool isDeviceInterface = false;
    std::string interfacePath;
};

class HidApi {
public:
    virtual ~HidApi() = default;
    // Takes a snapshot of the present HID interfaces.
    virtual void BeginEnumeration() = 0;
    // Path of the interface at `index` of the snapshot, or nothing when the
    // enumeration fails at that index.
    virtual std::optional<std::string> InterfacePath(int index) = 0;
    virtual void EndEnumeration() = 0;

    virtual HidHandle Open(const std::string& path, HidAccess access) = 0;
    virtual void Close(HidHandle handle) = 0;
    virtual std::optional<HidAttributes> GetAttributes(HidHandle handle) = 0;
    virtual std::optional<HidCaps> GetCaps(HidHandle handle) = 0;
    // Registers the main window for HID interface arrival/removal messages.
    virtual void RegisterForNotifications() = 0;

    virtual bool SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) = 0;
    // Blocks until one input report arrives; false on a read error.
    virtual bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) = 0;
};

}  // namespace vx::platform
