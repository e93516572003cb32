#pragma once
// The two open collections of the mouse and what discovery learned.
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/hid.h"

namespace vx::device {

enum class ChannelState { Unopened, Open, Failed };

struct Channel {
    ChannelState state = ChannelState::Unopened;
    platform::HidHandle handle = platform::kInvalidHidHandle;
    platform::HidCaps caps;
};

// The read side as the listener sees it: published once, handle and length
// together.
struct ReadEndpoint {
    platform::HidHandle handle = platform::kInvalidHidHandle;
    std::uint16_t inputReportLength = 0;
};

struct DeviceLink {
    Channel ReadChannel;
    Channel WriteChannel;
    std::string MouseDevicePath;
    bool MouseConnected = false;
    // Set once by discovery when ReadChannel opens; read by the listener.
    ReadEndpoint readEndpointStorage;
    std::atomic<const ReadEndpoint*> readEndpoint{nullptr};
};

}  // namespace vx::device
