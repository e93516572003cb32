#include "platform/win32/win32_region.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace vx::platform {

HRGN CreateRegionFromRects(const Region& region) {
    const std::size_t count = region.rects.size();
    if (count > (static_cast<std::size_t>(INT_MAX) - sizeof(RGNDATAHEADER)) / sizeof(RECT)) return nullptr;
    const std::size_t bytes = sizeof(RGNDATAHEADER) + count * sizeof(RECT);
    std::vector<unsigned char> buffer(bytes);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    RECT bounds{0, 0, 0, 0};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = region.rects[i];
        rects[i] = RECT{r.left, r.top, r.right, r.bottom};
        if (i == 0) {
            bounds = rects[i];
        } else {
            bounds.left = std::min(bounds.left, rects[i].left);
            bounds.top = std::min(bounds.top, rects[i].top);
            bounds.right = std::max(bounds.right, rects[i].right);
            bounds.bottom = std::max(bounds.bottom, rects[i].bottom);
        }
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data);
}

}  // namespace vx::platform
