#pragma once
// Which element of a layout table lies under a point.
#include <cstdint>
#include <span>

#include "platform/geometry.h"
#include "skin/skin_layout.h"
#include "ui/interface_state.h"

namespace vx::ui {

// The lowest-numbered entry 0..last whose half-open rectangle holds the
// point, or NoElement. `last` beyond the table is limited to its end.
std::int32_t HitTest(std::span<const skin::LayoutEntry> table, int last, Point point);

}  // namespace vx::ui
