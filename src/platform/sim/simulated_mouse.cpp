#include "platform/sim/simulated_mouse.h"

#include <algorithm>

namespace vx::platform::sim {

const char* const SimulatedMouse::kUnrelatedDevicePath =
    "\\\\?\\hid#vid_045e&pid_0750&mi_00#7&14d3b1c0&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const char* const SimulatedMouse::kKeyboardCollectionPath =
    "\\\\?\\hid#vid_18f8&pid_1286&mi_00#7&2a61c4e8&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const char* const SimulatedMouse::kMouseCollectionPath =
    "\\\\?\\hid#vid_18f8&pid_1286&mi_01&col01#7&3b72d5f9&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const char* const SimulatedMouse::kInputCollectionPath =
    "\\\\?\\hid#vid_18f8&pid_1286&mi_01&col02#7&3b72d5f9&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const char* const SimulatedMouse::kFeatureCollectionPath =
    "\\\\?\\hid#vid_18f8&pid_1286&mi_01&col03#7&3b72d5f9&0&0002#{4d1e55b2-f16f-11cf-88cb-001111000030}";

namespace {
constexpr std::uint8_t kFeatureReportId = 7;
constexpr std::uint8_t kButtonEventReportId = 6;
constexpr std::size_t kUnrelatedIndex = 0;
constexpr std::size_t kInputIndex = 3;
constexpr std::size_t kFeatureIndex = 4;
}  // namespace

SimulatedMouse::SimulatedMouse(Clock& clock, ReportMemory memory)
    : clock_(clock), startMicros_(clock.NowMicros()), keepLog_(memory == ReportMemory::Keep) {
    interfaces_ = {
        {kUnrelatedDevicePath, {0x045E, 0x0750}, {0x0001, 0x0006, 9, 0}},
        {kKeyboardCollectionPath, {kVendorId, kProductId}, {0x0001, 0x0006, 9, 0}},
        {kMouseCollectionPath, {kVendorId, kProductId}, {0x0001, 0x0002, 8, 0}},
        {kInputCollectionPath, {kVendorId, kProductId}, {0xFF00, 0x0001, kInputReportLength, 0}},
        {kFeatureCollectionPath, {kVendorId, kProductId}, {0xFF01, 0x0001, 0, kFeatureReportLength}},
    };
}

SimulatedMouse::~SimulatedMouse() = default;

void SimulatedMouse::BeginEnumeration() {
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        first = !enumeratedOnce_;
        enumeratedOnce_ = true;
        snapshot_.clear();
        for (std::size_t i = 0; i < interfaces_.size(); ++i) {
            if (plugged_ || i == kUnrelatedIndex) snapshot_.push_back(i);
        }
    }
    if (first) OnFirstEnumeration();
}

std::optional<std::string> SimulatedMouse::InterfacePath(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<std::size_t>(index) >= snapshot_.size()) return std::nullopt;
    return interfaces_[snapshot_[static_cast<std::size_t>(index)]].path;
}

void SimulatedMouse::EndEnumeration() {
    std::lock_guard lock(mutex_);
    snapshot_.clear();
}

HidHandle SimulatedMouse::Open(const std::string& path, HidAccess access) {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < interfaces_.size(); ++i) {
        if (interfaces_[i].path != path) continue;
        if (!plugged_ && i != kUnrelatedIndex) return kInvalidHidHandle;
        // Like the system, keyboard and mouse collections open for queries
        // only; the vendor collections open for their own direction.
        const bool allowed = access == HidAccess::Query || (access == HidAccess::Read && i == kInputIndex) ||
                             (access == HidAccess::Write && i == kFeatureIndex);
        if (!allowed) return kInvalidHidHandle;
        const HidHandle handle = nextHandle_++;
        handles_[handle] = OpenHandle{i, access};
        return handle;
    }
    return kInvalidHidHandle;
}

void SimulatedMouse::Close(HidHandle handle) {
    std::lock_guard lock(mutex_);
    handles_.erase(handle);
}

const SimulatedMouse::Interface* SimulatedMouse::InterfaceOf(HidHandle handle, HidAccess wanted) const {
    auto found = handles_.find(handle);
    if (found == handles_.end()) return nullptr;
    if (found->second.access != wanted) return nullptr;
    if (!plugged_ && found->second.interfaceIndex != kUnrelatedIndex) return nullptr;
    return &interfaces_[found->second.interfaceIndex];
}

std::optional<HidAttributes> SimulatedMouse::GetAttributes(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const Interface* item = InterfaceOf(handle, HidAccess::Query);
    if (item == nullptr) return std::nullopt;
    return item->attributes;
}

std::optional<HidCaps> SimulatedMouse::GetCaps(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const Interface* item = InterfaceOf(handle, HidAccess::Query);
    if (item == nullptr) return std::nullopt;
    return item->caps;
}

void SimulatedMouse::RegisterForNotifications() {
    std::lock_guard lock(mutex_);
    ++registrations_;
}

bool SimulatedMouse::SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    const Interface* item = InterfaceOf(handle, HidAccess::Write);
    if (item == nullptr || &interfaces_[kFeatureIndex] != item) return false;
    if (data == nullptr || length != kFeatureReportLength || data[0] != kFeatureReportId) return false;
    std::vector<std::uint8_t> report(data, data + length);
    RecordLocked(ReportDirection::Out, report);
    ApplyFeatureReport(report);
    return true;
}

void SimulatedMouse::ApplyFeatureReport(const std::vector<std::uint8_t>& report) {
    // Every command fits in the first eight bytes of the report.
    auto at = [&report](std::size_t i) -> std::uint8_t { return i < report.size() ? report[i] : 0; };
    switch (at(1)) {
        case 0x09: {
            const std::uint8_t slot = at(3) & 0x0F;
            if (slot >= 8 && slot <= 11) firmware_.dpiCodes[slot - 8u] = static_cast<std::uint8_t>(at(3) >> 4);
            firmware_.dpiEnableMask = at(4) & 0x0F;
            const int level = at(2) - 0x40;
            if (level >= 0 && level <= 3) firmware_.activeDpiLevel = static_cast<std::uint8_t>(level);
            break;
        }
        case 0x10:
            if (at(2) >= 1 && at(2) <= 6) firmware_.buttonFunction[at(2)] = at(3);
            break;
        case 0x11: firmware_.wheelStatus = at(2); break;
        case 0x12: firmware_.fireTimeUnits = static_cast<std::uint16_t>(at(2) << 8 | at(3)); break;
        case 0x13: firmware_.ledCode = static_cast<std::uint8_t>(at(3) - 0x10); break;
        case 0x15:
            for (std::size_t i = 0; i < firmware_.keysHeld.size(); ++i) firmware_.keysHeld[i] = at(2 + i);
            break;
        case 0x16: firmware_.mouseButtons = at(3); break;
        case 0x17: firmware_.consumerUsagesSent.push_back(static_cast<std::uint16_t>(at(2) << 8 | at(3))); break;
        case 0x20: firmware_.driverExited = true; break;
        default: break;  // unknown commands are ignored by the firmware
    }
}

bool SimulatedMouse::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) {
    std::unique_lock lock(mutex_);
    if (InterfaceOf(handle, HidAccess::Read) != &interfaces_[kInputIndex]) return false;
    inputQueued_.wait(lock, [this] { return !plugged_ || !inputs_.empty(); });
    if (!plugged_ || buffer == nullptr) return false;
    const std::vector<std::uint8_t> report = std::move(inputs_.front());
    inputs_.pop_front();
    std::fill(buffer, buffer + length, std::uint8_t{0});
    std::copy_n(report.begin(), std::min(length, report.size()), buffer);
    return true;
}

std::uint8_t SimulatedMouse::NextDpiLevelLocked(std::uint8_t deviceFunction) const {
    const int current = firmware_.activeDpiLevel;
    auto enabled = [this](int level) { return ((firmware_.dpiEnableMask >> level) & 1) != 0; };
    switch (deviceFunction) {
        case 6:
            for (int step = 1; step <= 4; ++step) {
                const int level = (current + step) % 4;
                if (enabled(level)) return static_cast<std::uint8_t>(level);
            }
            break;
        case 11:
            for (int level = current + 1; level <= 3; ++level) {
                if (enabled(level)) return static_cast<std::uint8_t>(level);
            }
            break;
        case 12:
            for (int level = current - 1; level >= 0; --level) {
                if (enabled(level)) return static_cast<std::uint8_t>(level);
            }
            break;
        default: break;
    }
    return firmware_.activeDpiLevel;
}

void SimulatedMouse::Press(int deviceButton) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || deviceButton < 1 || deviceButton > 6) return;
    const auto event = static_cast<std::uint8_t>(0xF0 + deviceButton);
    const std::uint8_t function = firmware_.buttonFunction[static_cast<std::size_t>(deviceButton)];
    switch (function) {
        case 0:
        case 10: PushInputLocked({kButtonEventReportId, event, kPressedValue}); break;
        case 6:
        case 11:
        case 12:
            firmware_.activeDpiLevel = NextDpiLevelLocked(function);
            PushInputLocked({kButtonEventReportId, event, firmware_.activeDpiLevel});
            break;
        default: break;  // the firmware carries the function out itself
    }
}

void SimulatedMouse::Release(int deviceButton) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || deviceButton < 1 || deviceButton > 6) return;
    if (firmware_.buttonFunction[static_cast<std::size_t>(deviceButton)] != 0) return;
    PushInputLocked({kButtonEventReportId, static_cast<std::uint8_t>(0xF0 + deviceButton), kReleasedValue});
}

void SimulatedMouse::QueueInput(std::vector<std::uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (!plugged_) return;
    PushInputLocked(std::move(report));
}

void SimulatedMouse::PushInputLocked(std::vector<std::uint8_t> report) {
    report.resize(kInputReportLength, 0);
    RecordLocked(ReportDirection::In, report);
    inputs_.push_back(std::move(report));
    inputQueued_.notify_all();
}

void SimulatedMouse::Unplug() {
    {
        std::lock_guard lock(mutex_);
        plugged_ = false;
        inputs_.clear();
    }
    inputQueued_.notify_all();
}

void SimulatedMouse::Plug() {
    std::lock_guard lock(mutex_);
    if (plugged_) return;
    plugged_ = true;
    // What was opened before the unplug belonged to the device that went.
    std::erase_if(handles_, [](const auto& entry) { return entry.second.interfaceIndex != kUnrelatedIndex; });
}

bool SimulatedMouse::IsPlugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

void SimulatedMouse::RecordLocked(ReportDirection direction, const std::vector<std::uint8_t>& bytes) {
    LoggedReport entry{clock_.NowMicros() - startMicros_, direction, bytes};
    if (observer_) observer_(entry);
    if (keepLog_) log_.push_back(std::move(entry));
}

FirmwareState SimulatedMouse::Firmware() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}

std::vector<LoggedReport> SimulatedMouse::Log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

int SimulatedMouse::NotificationRegistrations() const {
    std::lock_guard lock(mutex_);
    return registrations_;
}

void SimulatedMouse::SetReportObserver(std::function<void(const LoggedReport&)> observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

}  // namespace vx::platform::sim
