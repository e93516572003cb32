#include "macro/key_codes.h"

#include <array>
#include <cstddef>

namespace vx::macro {
namespace {

struct KeyPair {
    std::uint8_t virtualKey;
    std::uint8_t usage;
};

// Runs of consecutive codes that map onto consecutive usages.
struct KeyRun {
    std::uint8_t firstVirtualKey;
    std::uint8_t firstUsage;
    std::uint8_t length;
};

constexpr std::array<KeyRun, 7> kRuns{{
    {0x41, 0x04, 26},  // A..Z
    {0x31, 0x1E, 9},   // 1..9
    {0x30, 0x27, 1},   // 0
    {0x70, 0x3A, 12},  // F1..F12
    {0x7C, 0x68, 12},  // F13..F24
    {0x61, 0x59, 9},   // numpad 1..9
    {0x60, 0x62, 1},   // numpad 0
}};

constexpr std::array<KeyPair, 50> kSingles{{
    {0x08, 0x2A}, {0x09, 0x2B}, {0x0C, 0x9C}, {0x0D, 0x28}, {0x13, 0x48}, {0x14, 0x39}, {0x1B, 0x29}, {0x20, 0x2C},
    {0x21, 0x4B}, {0x22, 0x4E}, {0x23, 0x4D}, {0x24, 0x4A}, {0x25, 0x50}, {0x26, 0x52}, {0x27, 0x4F}, {0x28, 0x51},
    {0x29, 0x77}, {0x2B, 0x74}, {0x2C, 0x46}, {0x2D, 0x49}, {0x2E, 0x4C}, {0x2F, 0x75}, {0x5B, 0xE3}, {0x5C, 0xE7},
    {0x5D, 0x65}, {0x6A, 0x55}, {0x6B, 0x57}, {0x6C, 0x9F}, {0x6D, 0x56}, {0x6E, 0x63}, {0x6F, 0x54}, {0x90, 0x53},
    {0x91, 0x47}, {0xA0, 0xE1}, {0xA1, 0xE5}, {0xA2, 0xE0}, {0xA3, 0xE4}, {0xA4, 0xE2}, {0xA5, 0xE6}, {0xBA, 0x33},
    {0xBB, 0x2E}, {0xBC, 0x36}, {0xBD, 0x2D}, {0xBE, 0x37}, {0xBF, 0x38}, {0xC0, 0x32}, {0xDB, 0x2F}, {0xDC, 0x31},
    {0xDD, 0x30}, {0xDE, 0x34},
}};

// Both directions as 256-entry tables, built once at compile time.
struct KeyTables {
    std::array<std::uint8_t, 256> toUsage{};
    std::array<std::uint8_t, 256> toVk{};
};

constexpr KeyTables BuildTables() {
    KeyTables tables;
    for (std::size_t i = 0; i < 256; ++i) {
        tables.toUsage[i] = static_cast<std::uint8_t>(i);
        tables.toVk[i] = static_cast<std::uint8_t>(i);
    }
    auto add = [&tables](unsigned vk, unsigned usage) {
        tables.toUsage[vk] = static_cast<std::uint8_t>(usage);
        tables.toVk[usage] = static_cast<std::uint8_t>(vk);
    };
    for (const KeyRun& run : kRuns) {
        for (unsigned k = 0; k < run.length; ++k) add(run.firstVirtualKey + k, run.firstUsage + k);
    }
    for (const KeyPair& pair : kSingles) add(pair.virtualKey, pair.usage);
    return tables;
}

constexpr KeyTables kTables = BuildTables();

}  // namespace

std::uint8_t VkToUsage(std::uint8_t virtualKey) { return kTables.toUsage[virtualKey]; }

std::uint8_t UsageToVk(std::uint8_t usage) { return kTables.toVk[usage]; }

}  // namespace vx::macro
