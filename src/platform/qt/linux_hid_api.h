#pragma once
// HidApi over hidapi (hidraw). The snapshot holds the VX230's top-level
// collections, read from each node's report descriptor (usage page, usage
// and report lengths, as the Windows HID class gives them); one hidraw node
// can carry several, so each gets a path of its own, "<node>#<n>". A
// removal of a node handed out is learnt from udev (a thread asleep on its
// netlink monitor until a hidraw node comes or goes) or from a failed read;
// without udev the thread looks every half second. The same monitor tells
// of each hidraw node that arrives.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/hid.h"

struct hid_device_;

namespace vx::platform {

class LinuxHidApi final : public HidApi {
public:
    // Lists only the hidraw nodes of `device`; `onRemoved` gets each
    // vanished interface path, from the watch thread or the reading one;
    // `onArrived` each hidraw node udev reports added, from the watch thread
    // (once RegisterForNotifications started it).
    LinuxHidApi(HidAttributes device, std::function<void(const std::string& path)> onRemoved,
                std::function<void(const std::string& node)> onArrived = {});
    ~LinuxHidApi() override;
    LinuxHidApi(const LinuxHidApi&) = delete;
    LinuxHidApi& operator=(const LinuxHidApi&) = delete;

    void BeginEnumeration() override;
    std::optional<std::string> InterfacePath(int index) override;
    void EndEnumeration() override {}
    HidHandle Open(const std::string& path, HidAccess access) override;
    void Close(HidHandle handle) override;
    std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
    std::optional<HidCaps> GetCaps(HidHandle handle) override;
    void RegisterForNotifications() override;
    bool SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) override;
    bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) override;

private:
    struct Collection {
        std::string path;  // as handed to the core
        std::string node;  // the hidraw device
        HidAttributes attributes;
        HidCaps caps;
        std::vector<std::uint8_t> inputReportIds;  // none: every report is its own
    };
    struct OpenDevice {
        Collection collection;
        hid_device_* device = nullptr;  // null for a query handle
    };
    void Watch();
    // Hands each watched node that no longer exists to onRemoved_, once.
    void ReportRemovedNodes();

    HidAttributes device_;
    std::function<void(const std::string&)> onRemoved_;
    std::function<void(const std::string&)> onArrived_;
    std::mutex mutex_;
    std::vector<Collection> snapshot_;
    std::map<HidHandle, OpenDevice> open_;
    HidHandle nextHandle_ = 1;
    std::map<std::string, std::string> watched_;  // path -> node

    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    int wakeFd_ = -1;  // ends the watch thread's wait
    std::thread watcher_;
};

}  // namespace vx::platform
