#pragma once
// The HID class library, device setup and device files of Windows behind
// the HID interface: the production program's way to its mouse.
#include <functional>

#include "platform/hid.h"

namespace vx::platform {

class Win32HidApi : public HidApi {
public:
    // `notificationWindow` gives the main window's handle (an HWND) when
    // discovery registers it for device-change notifications.
    explicit Win32HidApi(std::function<void*()> notificationWindow);
    ~Win32HidApi() override;
    Win32HidApi(const Win32HidApi&) = delete;
    Win32HidApi& operator=(const Win32HidApi&) = delete;

    void BeginEnumeration() override;
    std::optional<std::string> InterfacePath(int index) override;
    void EndEnumeration() override;
    HidHandle Open(const std::string& path, HidAccess access) override;
    void Close(HidHandle handle) override;
    std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
    std::optional<HidCaps> GetCaps(HidHandle handle) override;
    void RegisterForNotifications() override;
    bool SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) override;
    bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) override;

private:
    std::function<void*()> notificationWindow_;
    void* deviceInfo_ = nullptr;  // HDEVINFO of the current enumeration
};

}  // namespace vx::platform
