#pragma once
// Repaints of the main window through its handle: a region invalidation
// and an immediate update, which the plain window interface does not offer.
#include "platform/win32/windows_api.h"

#include <functional>
#include <utility>

#include "ui/repainter.h"

namespace vx::platform {

class Win32Repainter final : public ui::Repainter {
public:
    // `window` returns the current main window handle (null when none).
    explicit Win32Repainter(std::function<HWND()> window) : window_(std::move(window)) {}
    void InvalidateAll() override;
    void InvalidateRegion(const Region& region) override;
    void UpdateNow() override;

private:
    std::function<HWND()> window_;
};

}  // namespace vx::platform
