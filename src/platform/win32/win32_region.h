#pragma once
// A region of rectangles as a GDI region, made with one call.
#include "platform/win32/windows_api.h"

#include "platform/geometry.h"

namespace vx::platform {

// Null when the region is too large to describe; the caller owns the result.
HRGN CreateRegionFromRects(const Region& region);

}  // namespace vx::platform
