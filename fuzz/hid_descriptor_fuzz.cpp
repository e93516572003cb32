// HID report descriptors as hidraw gives them: any bytes are read without
// a fault; the input report ids of a collection come once each, in order;
// and a collection that declares a report too long for the buffers never
// gets a length that fits them, whatever items come before it.
#include <cstdint>
#include <iterator>
#include <vector>

#include "device/discovery.h"
#include "fuzz_support.h"
#include "platform/qt/hid_descriptor.h"

namespace {

// The input as whole short items: a cut item gets zeros, and the long-item
// prefix becomes a reserved short item, so that what follows starts an item.
std::vector<std::uint8_t> WholeItems(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> items;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::uint8_t prefix = bytes[at] == 0xFE ? 0xFC : bytes[at];
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        items.push_back(prefix);
        for (std::size_t i = 1; i <= size; ++i) items.push_back(at + i < bytes.size() ? bytes[at + i] : 0);
        at += 1 + size;
    }
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    const std::vector<std::uint8_t> bytes(data, data + size);

    for (const platform::HidCollection& collection : platform::TopLevelCollections(bytes)) {
        const std::vector<std::uint8_t>& ids = collection.inputReportIds;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            VX_FUZZ_CHECK(ids[i] != 0);
            VX_FUZZ_CHECK(i == 0 || ids[i - 1] < ids[i]);
        }
        VX_FUZZ_CHECK(ids.empty() || collection.caps.inputReportLength >= 1);
    }

    // An application collection with an 8 x 65535-bit input report, after
    // the fuzzer's items: it opens a top-level collection of its own, or at
    // a nesting depth adds to the last one. Either way the last collection
    // holds a report longer than the buffers.
    std::vector<std::uint8_t> descriptor = WholeItems(bytes);
    const std::vector<std::uint8_t> before = descriptor;
    constexpr std::uint8_t kOversized[] = {0xA1, 0x01, 0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0xC0};
    descriptor.insert(descriptor.end(), std::begin(kOversized), std::end(kOversized));
    const std::vector<platform::HidCollection> collections = platform::TopLevelCollections(descriptor);
    if (!collections.empty()) {
        VX_FUZZ_CHECK(collections.back().caps.inputReportLength > device::kMaxReportLength);
        VX_FUZZ_CHECK(collections.size() >= platform::TopLevelCollections(before).size());
    }
    return 0;
}
