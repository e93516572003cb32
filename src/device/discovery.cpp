#include "device/discovery.h"

#include <mutex>

namespace vx::device {

namespace {

bool FitsBuffers(const platform::HidCaps& caps) {
    return caps.inputReportLength <= kMaxReportLength && caps.featureReportLength <= kMaxReportLength;
}

bool IsCollection(const platform::HidCaps& caps, std::uint16_t usagePage) {
    return caps.usagePage == usagePage && caps.usage == kChannelUsage && FitsBuffers(caps);
}

// Opens a channel unless it is already open: an earlier open handle is
// neither leaked nor replaced under the listener's feet.
void OpenChannel(Channel& channel, const platform::HidCaps& caps, platform::HidApi& hid, const std::string& path,
                 platform::HidAccess access) {
    if (channel.state == ChannelState::Open) return;
    channel.caps = caps;
    channel.handle = hid.Open(path, access);
    channel.state = channel.handle == platform::kInvalidHidHandle ? ChannelState::Failed : ChannelState::Open;
}

void OpenReadChannel(DeviceLink& link, platform::HidApi& hid, const platform::HidCaps& caps, const std::string& path) {
    if (link.ReadChannel.state == ChannelState::Open) return;
    OpenChannel(link.ReadChannel, caps, hid, path, platform::HidAccess::Read);
    if (link.ReadChannel.state != ChannelState::Open) return;
    // The listener is already running: it sees handle and length together.
    link.readEndpointStorage = ReadEndpoint{link.ReadChannel.handle, caps.inputReportLength};
    link.readEndpoint.store(&link.readEndpointStorage, std::memory_order_release);
    link.readEndpoint.notify_all();
}

void OpenWriteChannel(DeviceSession& session, platform::HidApi& hid, const platform::HidCaps& caps,
                      const std::string& path) {
    // Senders read WriteChannel under ReportLock.
    std::lock_guard lock(session.ReportLock);
    OpenChannel(session.link.WriteChannel, caps, hid, path, platform::HidAccess::Write);
}

bool BothChannelsAttempted(const DeviceLink& link) {
    return link.ReadChannel.state != ChannelState::Unopened && link.WriteChannel.state != ChannelState::Unopened;
}

// Steps for one interface of the mouse; true when the search is over.
bool ExamineMouseInterface(DeviceSession& session, platform::HidApi& hid, platform::HidHandle query,
                           const std::string& path) {
    DeviceLink& link = session.link;
    link.MouseConnected = true;
    link.MouseDevicePath = path;
    hid.RegisterForNotifications();
    if (const std::optional<platform::HidCaps> caps = hid.GetCaps(query)) {
        if (IsCollection(*caps, kReadUsagePage)) OpenReadChannel(link, hid, *caps, path);
        if (IsCollection(*caps, kWriteUsagePage)) OpenWriteChannel(session, hid, *caps, path);
    }
    return BothChannelsAttempted(link);
}

}  // namespace

bool FindMouse(DeviceSession& session, platform::HidApi& hid) {
    hid.BeginEnumeration();
    for (int index = 0; index < kMaxInterfaceIndices; ++index) {
        const std::optional<std::string> path = hid.InterfacePath(index);
        if (!path) continue;

        const platform::HidHandle query = hid.Open(*path, platform::HidAccess::Query);
        std::optional<platform::HidAttributes> attributes;
        if (query != platform::kInvalidHidHandle) attributes = hid.GetAttributes(query);
        session.link.MouseConnected = false;

        bool searchOver = false;
        if (attributes && attributes->vendorId == kMouseVendorId && attributes->productId == kMouseProductId) {
            searchOver = ExamineMouseInterface(session, hid, query, *path);
        }
        if (query != platform::kInvalidHidHandle) hid.Close(query);
        if (searchOver) break;
    }
    hid.EndEnumeration();
    return session.link.MouseConnected;
}

namespace {
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}
}  // namespace

bool IsMouseNotification(const DeviceLink& link, const platform::DeviceNotification& notification) {
    if (!notification.isDeviceInterface) return false;
    // Without a saved path no notification can be about the mouse.
    if (link.MouseDevicePath.empty()) return false;
    return EqualIgnoringCase(notification.interfacePath, link.MouseDevicePath);
}

}  // namespace vx::device
