#include "ui/config_edits.h"

#include <algorithm>

#include "skin/skin_elements.h"

namespace vx::ui {

namespace {
constexpr int kDpiLevels = 4;
namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;
namespace color = skin::elements::color;
constexpr int kDpiSteps = 12;
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
    if (main::kWheelModes.Contains(element)) {
        config.WHEEL_STATUS = main::kWheelModes.IndexOf(element);
    } else if (main::kDpiEnables.Contains(element)) {
        ToggleDpiLevelEnabled(config, main::kDpiEnables.IndexOf(element));
    } else if (main::kDpiSelects.Contains(element)) {
        // A disabled level cannot be made active.
        const int level = main::kDpiSelects.IndexOf(element);
        if (config.DpiEnabled(level)) config.DPI_LEVEL = level;
    } else if (main::kDpiCells.Contains(element)) {
        const int cell = main::kDpiCells.IndexOf(element);
        config.DpiSet(cell / kDpiSteps) = static_cast<std::uint8_t>(cell % kDpiSteps);
    } else {
        return false;
    }
    return true;
}

bool EditOnAdvancedPage(settings::MouseConfig& config, std::int32_t element, const skin::AdvancedLayout& layout,
                        int clickX) {
    if (element == advanced::kHoldMode) {
        config.MACRO_MODE2 = config.MACRO_MODE2 == 0 ? 1 : 0;
    } else if (advanced::kPointerSpeedSteps.Contains(element)) {
        config.DPI_SPEED = static_cast<std::uint8_t>(advanced::kPointerSpeedSteps.IndexOf(element));
    } else if (advanced::kScrollSpeedSteps.Contains(element)) {
        config.WHEEL_SPEED = static_cast<std::uint8_t>(advanced::kScrollSpeedSteps.IndexOf(element));
    } else if (element == advanced::kFireSlider) {
        config.FIRE_TIME = FireTimeAt(layout[advanced::kFireSlider], clickX, config.FIRE_TIME);
    } else if (element == advanced::kFirePlus) {
        // Compared first: a value read from a hand-edited file may sit at
        // the ends of the integer range.
        config.FIRE_TIME = config.FIRE_TIME >= kMaxFireTime ? kMaxFireTime : config.FIRE_TIME + 1;
    } else if (element == advanced::kFireMinus) {
        config.FIRE_TIME = config.FIRE_TIME <= 0 ? 0 : config.FIRE_TIME - 1;
    } else {
        return false;
    }
    return true;
}

bool EditOnColorPage(settings::MouseConfig& config, std::int32_t element) {
    if (!color::kLedModes.Contains(element)) return false;
    config.LED_STATUS = static_cast<std::uint8_t>(element);
    return true;
}

}  // namespace vx::ui
