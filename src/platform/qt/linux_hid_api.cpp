#include "platform/qt/linux_hid_api.h"

#include <hidapi/hidapi.h>
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "platform/qt/hid_descriptor.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace vx::platform {
namespace {

// The VX230's report lengths, report id included, on its input (0xFF00) and
// feature (0xFF01) collections, for a node whose descriptor cannot be read.
constexpr std::uint16_t kReportLength = 8;
constexpr std::uint16_t kInputUsagePage = 0xFF00;
constexpr std::uint16_t kFeatureUsagePage = 0xFF01;
// Only when udev's monitor cannot be had (no udev, e.g. in a container).
constexpr auto kWatchInterval = std::chrono::milliseconds(500);

// The report descriptor of a hidraw node, from sysfs; empty when unreadable.
std::vector<std::uint8_t> ReportDescriptor(const std::string& node) {
    const std::string name = std::filesystem::path(node).filename().string();
    std::ifstream in("/sys/class/hidraw/" + name + "/device/report_descriptor", std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What hidapi tells of a node whose descriptor cannot be read, with the
// VX230's own report lengths.
HidCaps FallbackCaps(const hid_device_info& info) {
    HidCaps caps;
    caps.usagePage = info.usage_page;
    caps.usage = info.usage;
    if (info.usage_page == kInputUsagePage) caps.inputReportLength = kReportLength;
    if (info.usage_page == kFeatureUsagePage) caps.featureReportLength = kReportLength;
    return caps;
}

}  // namespace

LinuxHidApi::LinuxHidApi(HidAttributes device, std::function<void(const std::string& path)> onRemoved,
                         std::function<void(const std::string& node)> onArrived)
    : device_(device), onRemoved_(std::move(onRemoved)), onArrived_(std::move(onArrived)) {
    // hidapi wants its one-time set-up before any thread uses it.
    hid_init();
}

LinuxHidApi::~LinuxHidApi() {
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
    }
    if (watcher_.joinable()) watcher_.join();
    if (wakeFd_ >= 0) close(wakeFd_);
    for (auto& [handle, open] : open_) {
        if (open.device != nullptr) hid_close(open.device);
    }
    hid_exit();
}

void LinuxHidApi::BeginEnumeration() {
    std::vector<Collection> found;
    std::set<std::string> nodes;
    hid_device_info* devices = hid_enumerate(device_.vendorId, device_.productId);
    for (const hid_device_info* info = devices; info != nullptr; info = info->next) {
        // hidapi may list a node once per collection; the descriptor has them all.
        if (!nodes.insert(info->path).second) continue;
        std::vector<HidCollection> collections = TopLevelCollections(ReportDescriptor(info->path));
        if (collections.empty()) collections.push_back(HidCollection{FallbackCaps(*info), {}});
        for (std::size_t i = 0; i < collections.size(); ++i) {
            Collection collection;
            collection.node = info->path;
            collection.path = collection.node + "#" + std::to_string(i);
            collection.attributes = HidAttributes{info->vendor_id, info->product_id};
            collection.caps = collections[i].caps;
            collection.inputReportIds = collections[i].inputReportIds;
            found.push_back(std::move(collection));
        }
    }
    hid_free_enumeration(devices);
    std::lock_guard lock(mutex_);
    snapshot_ = std::move(found);
}

std::optional<std::string> LinuxHidApi::InterfacePath(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || static_cast<std::size_t>(index) >= snapshot_.size()) return std::nullopt;
    return snapshot_[static_cast<std::size_t>(index)].path;
}

HidHandle LinuxHidApi::Open(const std::string& path, HidAccess access) {
    std::lock_guard lock(mutex_);
    const Collection* collection = nullptr;
    for (const Collection& candidate : snapshot_) {
        if (candidate.path == path) collection = &candidate;
    }
    if (collection == nullptr) return kInvalidHidHandle;
    OpenDevice open{*collection, nullptr};
    // A query needs no device: the snapshot answers it.
    if (access != HidAccess::Query) {
        open.device = hid_open_path(collection->node.c_str());
        if (open.device == nullptr) return kInvalidHidHandle;
    }
    const HidHandle handle = nextHandle_++;
    open_.emplace(handle, std::move(open));
    watched_[collection->path] = collection->node;
    return handle;
}

void LinuxHidApi::Close(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const auto found = open_.find(handle);
    if (found == open_.end()) return;
    if (found->second.device != nullptr) hid_close(found->second.device);
    open_.erase(found);
}

std::optional<HidAttributes> LinuxHidApi::GetAttributes(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const auto found = open_.find(handle);
    if (found == open_.end()) return std::nullopt;
    return found->second.collection.attributes;
}

std::optional<HidCaps> LinuxHidApi::GetCaps(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const auto found = open_.find(handle);
    if (found == open_.end()) return std::nullopt;
    return found->second.collection.caps;
}

void LinuxHidApi::RegisterForNotifications() {
    std::lock_guard lock(stopMutex_);
    if (watcher_.joinable()) return;
    wakeFd_ = eventfd(0, EFD_CLOEXEC);
    watcher_ = std::thread([this] { Watch(); });
}

void LinuxHidApi::ReportRemovedNodes() {
    std::vector<std::string> removed;
    {
        std::lock_guard lock(mutex_);
        for (auto it = watched_.begin(); it != watched_.end();) {
            std::error_code error;
            if (std::filesystem::exists(it->second, error)) {
                ++it;
            } else {
                removed.push_back(it->first);
                it = watched_.erase(it);
            }
        }
    }
    for (const std::string& path : removed) onRemoved_(path);
}

void LinuxHidApi::Watch() {
    udev* context = udev_new();
    udev_monitor* monitor = context != nullptr ? udev_monitor_new_from_netlink(context, "udev") : nullptr;
    const bool monitored = monitor != nullptr && wakeFd_ >= 0 &&
                           udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) >= 0 &&
                           udev_monitor_enable_receiving(monitor) >= 0;
    if (monitored) {
        // Asleep until udev reports a hidraw node coming or going, or the end.
        for (;;) {
            pollfd fds[2] = {{udev_monitor_get_fd(monitor), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR) break;
            if ((fds[1].revents & POLLIN) != 0) break;
            if ((fds[0].revents & POLLIN) == 0) continue;
            std::vector<std::string> arrived;
            while (udev_device* device = udev_monitor_receive_device(monitor)) {
                const char* action = udev_device_get_action(device);
                const char* node = udev_device_get_devnode(device);
                if (action != nullptr && node != nullptr && std::strcmp(action, "add") == 0) arrived.push_back(node);
                udev_device_unref(device);
            }
            ReportRemovedNodes();
            // udev reports a node once its rules ran: its permissions are set.
            if (onArrived_) {
                for (const std::string& node : arrived) onArrived_(node);
            }
        }
    } else {
        std::unique_lock stopLock(stopMutex_);
        while (!stopSignal_.wait_for(stopLock, kWatchInterval, [this] { return stopping_; })) {
            stopLock.unlock();
            ReportRemovedNodes();
            stopLock.lock();
        }
    }
    if (monitor != nullptr) udev_monitor_unref(monitor);
    if (context != nullptr) udev_unref(context);
}

bool LinuxHidApi::SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) {
    hid_device* device = nullptr;
    {
        std::lock_guard lock(mutex_);
        const auto found = open_.find(handle);
        if (found == open_.end() || found->second.device == nullptr) return false;
        device = found->second.device;
    }
    // The first byte is the report id (7 for the mouse's settings).
    return hid_send_feature_report(device, data, length) == static_cast<int>(length);
}

bool LinuxHidApi::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) {
    hid_device* device = nullptr;
    std::vector<std::uint8_t> ids;
    {
        std::lock_guard lock(mutex_);
        const auto found = open_.find(handle);
        if (found == open_.end() || found->second.device == nullptr) return false;
        device = found->second.device;
        ids = found->second.collection.inputReportIds;
    }
    // Blocks until a report of this collection arrives; the report id comes
    // first, as the Windows read gives it.
    for (;;) {
        const int read = hid_read(device, buffer, length);
        if (read < 0) {
            // A node gone under the read: the unplug is known now, whatever
            // udev says or does not say.
            ReportRemovedNodes();
            return false;
        }
        if (read > 0 && !ids.empty() && std::find(ids.begin(), ids.end(), buffer[0]) == ids.end()) continue;
        std::memset(buffer + read, 0, length - static_cast<std::size_t>(read));
        return true;
    }
}

}  // namespace vx::platform
