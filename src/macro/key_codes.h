#pragma once
// Conversion between Windows virtual-key codes (macro files, recording) and
// HID keyboard usages (memory, reports to the mouse). Codes without a pair
// pass through unchanged, so the mouse-button codes 240..242 survive both.
#include <cstdint>

namespace vx::macro {

std::uint8_t VkToUsage(std::uint8_t virtualKey);
std::uint8_t UsageToVk(std::uint8_t usage);

}  // namespace vx::macro
