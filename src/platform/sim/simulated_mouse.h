#pragma once
// A software VX230 behind the HID interface: it presents one unrelated HID
// device and then the mouse's keyboard, mouse, 0xFF00 input and 0xFF01
// feature collections, keeps the firmware state the feature reports set,
// and produces input report 6 for button presses as the firmware does.
//
// DPI buttons: device function 6 moves to the next enabled level after the
// active one, wrapping round; 11 moves to the next enabled level above and
// 12 to the next enabled level below, without wrapping (at the end they
// stay where they are). With no level enabled the level does not change.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/hid.h"

namespace vx::platform::sim {

struct FirmwareState {
    // Device function code per device button number 1..6 (index 0 unused).
    std::array<std::uint8_t, 7> buttonFunction{0, 1, 2, 3, 4, 5, 6};
    std::array<std::uint8_t, 4> dpiCodes{};
    std::uint8_t dpiEnableMask = 0x0F;
    std::uint8_t activeDpiLevel = 0;
    std::uint8_t wheelStatus = 0;
    std::uint16_t fireTimeUnits = 0;  // in units of 8 ms
    std::uint8_t ledCode = 0;
    std::array<std::uint8_t, 6> keysHeld{};
    std::uint8_t mouseButtons = 0xFF;  // active low, bit 0 = left
    std::vector<std::uint16_t> consumerUsagesSent;
    bool driverExited = false;
    friend bool operator==(const FirmwareState&, const FirmwareState&) = default;
};

enum class ReportDirection { Out, In };

struct LoggedReport {
    std::int64_t microsSinceStart = 0;
    ReportDirection direction = ReportDirection::Out;
    std::vector<std::uint8_t> bytes;
};

class SimulatedMouse : public HidApi {
public:
    static constexpr std::uint16_t kVendorId = 0x18F8;
    static constexpr std::uint16_t kProductId = 0x1286;
    static constexpr std::uint16_t kInputReportLength = 8;
    static constexpr std::uint16_t kFeatureReportLength = 8;
    static constexpr std::uint8_t kPressedValue = 0x01;
    static constexpr std::uint8_t kReleasedValue = 0x80;
    static const char* const kUnrelatedDevicePath;
    static const char* const kKeyboardCollectionPath;
    static const char* const kMouseCollectionPath;
    static const char* const kInputCollectionPath;
    static const char* const kFeatureCollectionPath;

    // Whether every report is also kept in memory for Log(); a long-running
    // program that only streams them to an observer drops them.
    enum class ReportMemory { Keep, Drop };
    explicit SimulatedMouse(Clock& clock, ReportMemory memory = ReportMemory::Keep);
    ~SimulatedMouse() override;

    // Time on the log's scale.
    std::int64_t MicrosSinceStart() const { return clock_.NowMicros() - startMicros_; }

    // HidApi.
    void BeginEnumeration() override;
    std::optional<std::string> InterfacePath(int index) override;
    void EndEnumeration() override;
    HidHandle Open(const std::string& path, HidAccess access) override;
    void Close(HidHandle handle) override;
    std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
    std::optional<HidCaps> GetCaps(HidHandle handle) override;
    void RegisterForNotifications() override;
    bool SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) override;
    // Blocks until an input report is queued; false once unplugged.
    bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) override;

    // The user's hand on the mouse: device button numbers 1..6.
    void Press(int deviceButton);
    void Release(int deviceButton);
    // Sends a raw input report (padded or cut to the input-report length).
    void QueueInput(std::vector<std::uint8_t> report);
    // The mouse disappears: reads end, opens and writes fail.
    void Unplug();
    // The mouse is there again, its firmware state as it was; handles
    // opened before stay gone.
    void Plug();
    bool IsPlugged() const;

    FirmwareState Firmware() const;
    std::vector<LoggedReport> Log() const;
    int NotificationRegistrations() const;
    // Called (under the mouse's lock, in order) for every report either way.
    void SetReportObserver(std::function<void(const LoggedReport&)> observer);

protected:
    // Runs on the first enumeration, when the program starts looking for
    // its mouse.
    virtual void OnFirstEnumeration() {}

private:
    struct Interface {
        std::string path;
        HidAttributes attributes;
        HidCaps caps;
    };
    struct OpenHandle {
        std::size_t interfaceIndex = 0;
        HidAccess access = HidAccess::Query;
    };

    const Interface* InterfaceOf(HidHandle handle, HidAccess wanted) const;
    void ApplyFeatureReport(const std::vector<std::uint8_t>& report);
    void PushInputLocked(std::vector<std::uint8_t> report);
    void RecordLocked(ReportDirection direction, const std::vector<std::uint8_t>& bytes);
    std::uint8_t NextDpiLevelLocked(std::uint8_t deviceFunction) const;

    Clock& clock_;
    const std::int64_t startMicros_;
    const bool keepLog_;
    std::vector<Interface> interfaces_;

    mutable std::mutex mutex_;
    std::condition_variable inputQueued_;
    bool plugged_ = true;
    bool enumeratedOnce_ = false;
    std::vector<std::size_t> snapshot_;
    std::map<HidHandle, OpenHandle> handles_;
    HidHandle nextHandle_ = 0x1000;
    FirmwareState firmware_;
    std::deque<std::vector<std::uint8_t>> inputs_;
    std::vector<LoggedReport> log_;
    int registrations_ = 0;
    std::function<void(const LoggedReport&)> observer_;
};

}  // namespace vx::platform::sim
