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

// Over the main window as it stands: it repaints the whole window and
// paints from the message loop, so a region becomes the whole window and
// an immediate update becomes nothing.
class MainWindowRepainter : public Repainter {
public:
    explicit MainWindowRepainter(platform::MainWindow& window) : window_(window) {}
    void InvalidateAll() override { window_.Invalidate(); }
    void InvalidateRegion(const Region& /*region*/) override { window_.Invalidate(); }
    void UpdateNow() override {}

private:
    platform::MainWindow& window_;
};

}  // namespace vx::ui
