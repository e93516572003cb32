#pragma once
// How the interface logic asks the main window to repaint.
#include "platform/geometry.h"
#include "platform/window.h"

namespace vx::ui {

class Repainter {
public:
    virtual ~Repainter() = default;
    // Marks the whole client area for repainting (background erase asked).
    virtual void InvalidateAll() = 0;
    // Marks only the region; the macro-editor controls lie outside it.
    virtual void InvalidateRegion(const Region& region) = 0;
    // Paints what is marked at once instead of from the message loop.
    virtual void UpdateNow() = 0;
};

// Over the main window's own invalidation.
class MainWindowRepainter : public Repainter {
public:
    explicit MainWindowRepainter(platform::MainWindow& window) : window_(window) {}
    void InvalidateAll() override { window_.Invalidate(); }
    void InvalidateRegion(const Region& region) override { window_.InvalidateRegion(region); }
    void UpdateNow() override { window_.UpdateNow(); }

private:
    platform::MainWindow& window_;
};

}  // namespace vx::ui
