#pragma once
// A colour as the skin, the menus and the controls use it.
#include <cstdint>

namespace vx::platform {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace vx::platform
