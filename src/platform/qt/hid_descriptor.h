#pragma once
// The top-level collections of a HID report descriptor with the sizes the
// Windows HID class reports for them (HidP_GetCaps): the longest input and
// feature report, report id byte included. On Linux a hidraw node carries
// the whole descriptor of an interface, and hidapi tells no report sizes.
#include <cstdint>
#include <vector>

#include "platform/hid.h"

namespace vx::platform {

struct HidCollection {
    HidCaps caps;
    // The ids of its input reports (none when the device numbers no
    // reports): a node's reads carry every collection's reports, a Windows
    // read only its own collection's.
    std::vector<std::uint8_t> inputReportIds;
};

// One entry per top-level application collection, in descriptor order;
// empty for a descriptor that cannot be read. A report longer than 65535
// bytes gets the length 65535.
std::vector<HidCollection> TopLevelCollections(const std::vector<std::uint8_t>& descriptor);

}  // namespace vx::platform
