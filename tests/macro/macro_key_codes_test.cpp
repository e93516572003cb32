#include <gtest/gtest.h>

#include <cstdint>

#include "macro/key_codes.h"

namespace vx::macro {
namespace {

TEST(MacroKeyCodes, ConvertsTheListedKeysBothWays) {
    struct Case {
        std::uint8_t vk;
        std::uint8_t usage;
    };
    const Case cases[] = {
        {0x41, 0x04}, {0x5A, 0x1D}, {0x31, 0x1E}, {0x39, 0x26}, {0x30, 0x27}, {0x70, 0x3A}, {0x7B, 0x45},
        {0x7C, 0x68}, {0x87, 0x73}, {0x61, 0x59}, {0x69, 0x61}, {0x60, 0x62}, {0x08, 0x2A}, {0x0C, 0x9C},
        {0x5B, 0xE3}, {0x5C, 0xE7}, {0xA2, 0xE0}, {0xA5, 0xE6}, {0xC0, 0x32}, {0xDE, 0x34}, {0x6C, 0x9F},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VkToUsage(c.vk), c.usage) << int(c.vk);
        EXPECT_EQ(UsageToVk(c.usage), c.vk) << int(c.usage);
    }
}

TEST(MacroKeyCodes, ExactlyOneHundredTwentyPairsAndIdentityElsewhere) {
    int converted = 0;
    for (int v = 0; v < 256; ++v) {
        const auto vk = static_cast<std::uint8_t>(v);
        if (VkToUsage(vk) != vk) {
            ++converted;
            EXPECT_EQ(UsageToVk(VkToUsage(vk)), vk) << v;
        }
    }
    EXPECT_EQ(converted, 120);
    // The mouse codes have no pair either way; VK_SHIFT and usage 0x35
    // have none in their direction.
    for (int unlisted : {0xF0, 0xF1, 0xF2, 0xFF}) {
        EXPECT_EQ(VkToUsage(static_cast<std::uint8_t>(unlisted)), unlisted);
        EXPECT_EQ(UsageToVk(static_cast<std::uint8_t>(unlisted)), unlisted);
    }
    EXPECT_EQ(VkToUsage(0x10), 0x10);
    EXPECT_EQ(UsageToVk(0x35), 0x35);
}

TEST(MacroKeyCodes, EveryProducibleUsageSurvivesAFileRoundTrip) {
    for (int v = 0; v < 256; ++v) {
        const std::uint8_t usage = VkToUsage(static_cast<std::uint8_t>(v));
        EXPECT_EQ(VkToUsage(UsageToVk(usage)), usage) << v;
    }
    // Not producible: stored unchanged, read back as the key with that code.
    EXPECT_EQ(VkToUsage(UsageToVk(0x35)), 0x22);
}

}  // namespace
}  // namespace vx::macro
