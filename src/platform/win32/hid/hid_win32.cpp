#include "platform/win32/hid/hid_win32.h"

#include "platform/win32/windows_api.h"

#include <dbt.h>
#include <setupapi.h>
// The HID headers of this tool chain lack C linkage declarations.
extern "C" {
#include <hidsdi.h>
}

#include <vector>

#include "platform/win32/text_convert.h"

namespace vx::platform {

namespace {

HANDLE ToWin32(HidHandle handle) { return reinterpret_cast<HANDLE>(handle); }

HidHandle FromWin32(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return kInvalidHidHandle;
    return reinterpret_cast<HidHandle>(handle);
}

GUID HidClassGuid() {
    GUID guid{};
    HidD_GetHidGuid(&guid);
    return guid;
}

}  // namespace

Win32HidApi::Win32HidApi(std::function<void*()> notificationWindow)
    : notificationWindow_(std::move(notificationWindow)) {}

Win32HidApi::~Win32HidApi() { EndEnumeration(); }

void Win32HidApi::BeginEnumeration() {
    EndEnumeration();
    GUID guid = HidClassGuid();
    HDEVINFO info = SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    deviceInfo_ = info == INVALID_HANDLE_VALUE ? nullptr : info;
}

std::optional<std::string> Win32HidApi::InterfacePath(int index) {
    if (deviceInfo_ == nullptr || index < 0) return std::nullopt;
    GUID guid = HidClassGuid();
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof(interfaceData);
    if (!SetupDiEnumDeviceInterfaces(deviceInfo_, nullptr, &guid, static_cast<DWORD>(index), &interfaceData)) {
        return std::nullopt;
    }
    // First the size, then the detail in a buffer of that size.
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(deviceInfo_, &interfaceData, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
    std::vector<std::uint8_t> storage(required + sizeof(WCHAR));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(deviceInfo_, &interfaceData, detail, required, nullptr, nullptr)) {
        return std::nullopt;
    }
    return Narrow(detail->DevicePath);
}

void Win32HidApi::EndEnumeration() {
    if (deviceInfo_ != nullptr) SetupDiDestroyDeviceInfoList(static_cast<HDEVINFO>(deviceInfo_));
    deviceInfo_ = nullptr;
}

HidHandle Win32HidApi::Open(const std::string& path, HidAccess access) {
    DWORD rights = 0;
    if (access == HidAccess::Read) rights = GENERIC_READ;
    if (access == HidAccess::Write) rights = GENERIC_WRITE;
    const std::wstring widePath = Widen(path);
    HANDLE handle =
        CreateFileW(widePath.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return FromWin32(handle);
}

void Win32HidApi::Close(HidHandle handle) {
    if (handle != kInvalidHidHandle) CloseHandle(ToWin32(handle));
}

std::optional<HidAttributes> Win32HidApi::GetAttributes(HidHandle handle) {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof(attributes);
    if (!HidD_GetAttributes(ToWin32(handle), &attributes)) return std::nullopt;
    return HidAttributes{attributes.VendorID, attributes.ProductID};
}

std::optional<HidCaps> Win32HidApi::GetCaps(HidHandle handle) {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(ToWin32(handle), &preparsed)) return std::nullopt;
    HIDP_CAPS caps{};
    const NTSTATUS status = HidP_GetCaps(preparsed, &caps);
    HidD_FreePreparsedData(preparsed);
    if (status != HIDP_STATUS_SUCCESS) return std::nullopt;
    return HidCaps{caps.UsagePage, caps.Usage, caps.InputReportByteLength, caps.FeatureReportByteLength};
}

void Win32HidApi::RegisterForNotifications() {
    HWND window = notificationWindow_ ? static_cast<HWND>(notificationWindow_()) : nullptr;
    if (window == nullptr) return;
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = 32;  // the record without its name
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = HidClassGuid();
    // The registration lives as long as the window; it is never undone.
    RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

bool Win32HidApi::SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) {
    if (handle == kInvalidHidHandle || data == nullptr || length == 0) return false;
    // The call takes a non-const buffer; give it a copy.
    std::vector<std::uint8_t> report(data, data + length);
    return HidD_SetFeature(ToWin32(handle), report.data(), static_cast<ULONG>(report.size())) != FALSE;
}

bool Win32HidApi::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) {
    if (handle == kInvalidHidHandle || buffer == nullptr || length == 0) return false;
    DWORD read = 0;
    return ReadFile(ToWin32(handle), buffer, static_cast<DWORD>(length), &read, nullptr) != FALSE && read > 0;
}

}  // namespace vx::platform
