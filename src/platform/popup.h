#pragma once
// The skinned popups of the main window: the function menu, its sub-menu
// and the warning. The backend owns the real windows and turns their
// messages into PopupEvents calls on the interface thread.
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "platform/input_events.h"

namespace vx::platform {

// The dialog templates the popups are made from.
enum class PopupTemplate { FunctionMenu = 103, SubMenu = 104, Warning = 105 };

class Drawing;
class PopupWindow;

class PopupEvents {
public:
    virtual ~PopupEvents() = default;
    // The window exists, still hidden (modal ones: before they show).
    virtual void OnInit(PopupWindow& /*window*/) {}
    // Every pointer event over the popup; the default hands moves, left
    // presses and left releases on.
    virtual void OnPointer(const PointerEvent& event) { DispatchPointer(*this, event); }
    virtual void OnMouseMove(Point /*p*/) {}
    virtual void OnLeftButtonDown(Point /*p*/) {}
    virtual void OnLeftButtonUp(Point /*p*/) {}
    virtual void OnPaint(Drawing& /*drawing*/) {}
    // Escape (the confirm key does nothing in these windows).
    virtual void OnCancelKey() {}
    // The window was asked to close.
    virtual void OnCloseRequest() {}
};

// One popup window; destroying the object destroys the window (and the
// windows it owns).
class PopupWindow {
public:
    virtual ~PopupWindow() = default;
    // Screen position and size.
    virtual void Place(const Rect& screenRect) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Gives the window the region's shape (client coordinates).
    virtual void SetShape(const Region& region) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Invalidate() = 0;
    virtual Rect ScreenRect() = 0;
    // Ends a modal run with `result`.
    virtual void EndModal(int result) = 0;
};

}  // namespace vx::platform
