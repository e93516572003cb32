#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/qt/hid_descriptor.h"

namespace vx::platform {
namespace {

bool operator==(const HidCaps& a, const HidCaps& b) {
    return a.usagePage == b.usagePage && a.usage == b.usage && a.inputReportLength == b.inputReportLength &&
           a.featureReportLength == b.featureReportLength;
}

// A mouse interface like the VX230's: a vendor input collection (report 6,
// 7 bytes) and a vendor feature collection (report 7, 7 bytes).
const std::vector<std::uint8_t> kVendorPair = {
    0x06, 0x00, 0xFF,  // usage page 0xFF00
    0x09, 0x01,        // usage 1
    0xA1, 0x01,        // collection (application)
    0x85, 0x06,        //   report id 6
    0x75, 0x08,        //   report size 8
    0x95, 0x07,        //   report count 7
    0x81, 0x02,        //   input
    0xC0,              // end collection
    0x06, 0x01, 0xFF,  // usage page 0xFF01
    0x09, 0x01,        // usage 1
    0xA1, 0x01,        // collection (application)
    0x85, 0x07,        //   report id 7
    0x75, 0x08,        //   report size 8
    0x95, 0x07,        //   report count 7
    0xB1, 0x02,        //   feature
    0xC0,              // end collection
};

// A boot mouse: buttons and axes in a physical collection inside, no
// report id; a four-byte usage with its own page.
const std::vector<std::uint8_t> kBootMouse = {
    0x05, 0x01, 0x0B, 0x02, 0x00, 0x01, 0x00,  // usage page 1, usage (extended) 1:2
    0xA1, 0x01,                                // collection (application)
    0x09, 0x01, 0xA1, 0x00,                    //   pointer, collection (physical)
    0x95, 0x03, 0x75, 0x01, 0x81, 0x02,        //     3 buttons
    0x95, 0x01, 0x75, 0x05, 0x81, 0x03,        //     padding
    0xA4,                                      //     push
    0x75, 0x08, 0x95, 0x02, 0x81, 0x06,        //     x, y
    0xB4,                                      //     pop
    0xC0, 0xC0,                                //   end, end
};

TEST(HidDescriptor, TopLevelCollectionsGetTheirPagesUsagesAndReportLengths) {
    const struct {
        const char* what;
        std::vector<std::uint8_t> descriptor;
        std::vector<HidCollection> collections;
    } kCases[] = {
        {"the vendor pair", kVendorPair, {{{0xFF00, 1, 8, 0}, {6}}, {{0xFF01, 1, 0, 8}, {}}}},
        {"a boot mouse", kBootMouse, {{{1, 2, 4, 0}, {}}}},
        // 8 x 65535 bits: 65536 bytes with the id, which wrapped to 0 in 16 bits.
        {"an oversized feature report", {0xA1, 0x01, 0x75, 0x08, 0x96, 0xFF, 0xFF, 0xB0}, {{{0, 0, 0, 65535}, {}}}},
        // 0xFFFFFFFF x 0x80000001 bits wrapped to 0x7FFFFFFF in 32 bits.
        {"a size times a count beyond 32 bits",
         {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0x01, 0x00, 0x00, 0x80, 0x81, 0x02, 0xC0},
         {{{0, 0, 65535, 0}, {}}}},
        // Three of 0xFFFFFFFF x 0xFFFFFFFF bits: 3 bits in 32.
        {"reports adding up past 64 bits",
         {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02, 0x81, 0x02,
          0xC0},
         {{{0, 0, 65535, 0}, {}}}},
        {"cut inside an item", {0x06, 0x00}, {}},
        {"an end without a collection", {0xC0}, {}},
        {"empty", {}, {}},
    };
    for (const auto& c : kCases) {
        const std::vector<HidCollection> found = TopLevelCollections(c.descriptor);
        ASSERT_EQ(found.size(), c.collections.size()) << c.what;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_TRUE(found[i].caps == c.collections[i].caps) << c.what << " " << i;
            EXPECT_EQ(found[i].inputReportIds, c.collections[i].inputReportIds) << c.what << " " << i;
        }
    }
}

}  // namespace
}  // namespace vx::platform
