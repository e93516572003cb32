#pragma once
// What a click on a page element does to the configuration being edited.
// The caller holds ConfigLock.
#include <cstdint>

#include "settings/mouse_config.h"
#include "skin/skin_layout.h"

namespace vx::ui {

// Enables level 0..3, or disables it; disabling the active level makes the
// next enabled level (cyclically) active, and the only enabled level stays
// enabled.
void ToggleDpiLevelEnabled(settings::MouseConfig& config, int level);

// FIRE_TIME for a click at x on the rapid-fire slider: 0..299 across the
// slider's width. A point left or right of the slider counts as its edge;
// a slider without width leaves `current`.
std::int32_t FireTimeAt(const skin::LayoutEntry& slider, int x, std::int32_t current);

inline constexpr std::int32_t kMaxFireTime = 300;

// Main-page wheel modes, DPI level enable boxes, active-level choices and
// the DPI step grid. False for any other element.
bool EditOnMainPage(settings::MouseConfig& config, std::int32_t element);

// Advanced-page playback mode, pointer and wheel speed steps, the
// rapid-fire slider (at the click's x) and its + and -. False for any other
// element.
bool EditOnAdvancedPage(settings::MouseConfig& config, std::int32_t element, const skin::AdvancedLayout& layout,
                        int clickX);

// Colour-page LED modes. False for any other element.
bool EditOnColorPage(settings::MouseConfig& config, std::int32_t element);

}  // namespace vx::ui
