#include "ui/config_edits.h"

#include <algorithm>

namespace vx::ui {

namespace {
constexpr int kDpiLevels = 4;
constexpr int kDpiSteps = 12;
constexpr std::int32_t kSliderElement = 30;
}  // namespace

void ToggleDpiLevelEnabled(settings::MouseConfig& config, int level) {
    if (!config.DpiEnabled(level)) {
        config.DpiEnabled(level) = true;
        return;
    }
    config.DpiEnabled(level) = false;
    if (config.DPI_LEVEL != level) return;
    for (int step = 1; step <= kDpiLevels; ++step) {
        const int candidate = (level + step) % kDpiLevels;
        if (config.DpiEnabled(candidate)) {
            config.DPI_LEVEL = candidate;
            return;
        }
    }
    // It was the only enabled level: it stays enabled and active.
    config.DpiEnabled(level) = true;
}

std::int32_t FireTimeAt(const skin::LayoutEntry& slider, int x, std::int32_t current) {
    if (slider.width <= 0) return current;
    // The press was over the slider at the last move; the click point may
    // still lie a pixel outside it.
    const std::int64_t left = slider.x;
    const std::int64_t inside = std::clamp<std::int64_t>(x, left, left + slider.width - 1);
    const auto offset = static_cast<std::uint32_t>(inside - left);
    return static_cast<std::int32_t>(offset * 300u / static_cast<std::uint32_t>(slider.width));
}

bool EditOnMainPage(settings::MouseConfig& config, std::int32_t element) {
    if (element == 41 || element == 42) {
        config.WHEEL_STATUS = element - 41;
    } else if (element >= 46 && element <= 49) {
        ToggleDpiLevelEnabled(config, element - 46);
    } else if (element >= 54 && element <= 57) {
        // A disabled level cannot be made active.
        if (config.DpiEnabled(element - 54)) config.DPI_LEVEL = element - 54;
    } else if (element >= 66 && element <= 113) {
        const int cell = element - 66;
        config.DpiSet(cell / kDpiSteps) = static_cast<std::uint8_t>(cell % kDpiSteps);
    } else {
        return false;
    }
    return true;
}

bool EditOnAdvancedPage(settings::MouseConfig& config, std::int32_t element, const skin::AdvancedLayout& layout,
                        int clickX) {
    if (element == 7) {
        config.MACRO_MODE2 = config.MACRO_MODE2 == 0 ? 1 : 0;
    } else if (element >= 8 && element <= 17) {
        config.DPI_SPEED = static_cast<std::uint8_t>(element - 8);
    } else if (element >= 18 && element <= 27) {
        config.WHEEL_SPEED = static_cast<std::uint8_t>(element - 18);
    } else if (element == kSliderElement) {
        config.FIRE_TIME = FireTimeAt(layout[kSliderElement], clickX, config.FIRE_TIME);
    } else if (element == 31) {
        // Compared first: a value read from a hand-edited file may sit at
        // the ends of the integer range.
        config.FIRE_TIME = config.FIRE_TIME >= kMaxFireTime ? kMaxFireTime : config.FIRE_TIME + 1;
    } else if (element == 32) {
        config.FIRE_TIME = config.FIRE_TIME <= 0 ? 0 : config.FIRE_TIME - 1;
    } else {
        return false;
    }
    return true;
}

bool EditOnColorPage(settings::MouseConfig& config, std::int32_t element) {
    if (element < 0 || element > 3) return false;
    config.LED_STATUS = static_cast<std::uint8_t>(element);
    return true;
}

}  // namespace vx::ui
