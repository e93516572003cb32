#pragma once
// The main window's pointer handling: hover tracking with its repaints, the
// pressed state, and handing clicks on elements to their actions.
#include "platform/geometry.h"
#include "skin/skin_layout.h"
#include "ui/interface_state.h"
#include "ui/page_switch.h"
#include "ui/repainter.h"

namespace vx::ui {

// What clicks on elements do. The handlers call these; element actions not
// listed here are dispatched by code added alongside them.
class ClickActions {
public:
    virtual ~ClickActions() = default;
    virtual void ShowMainPage() = 0;
    virtual void ShowAdvancedPage() = 0;
    virtual void ShowColorPage() = 0;
    // Closes the open function menu window (the state flag is cleared by the
    // caller).
    virtual void CloseFunctionMenu() {}
};

// The three page switches over the page state.
class PageSwitchActions : public ClickActions {
public:
    explicit PageSwitchActions(const PageSwitchContext& context) : context_(context) {}
    void ShowMainPage() override { vx::ui::ShowMainPage(context_); }
    void ShowAdvancedPage() override { vx::ui::ShowAdvancedPage(context_); }
    void ShowColorPage() override { vx::ui::ShowColorPage(context_); }

private:
    PageSwitchContext context_;
};

struct PointerContext {
    InterfaceState& ui;
    const skin::Layouts& layouts;
    Repainter& repainter;
    const Region& repaintRegion;
};

// Hit-tests all three tables on every page, then repaints once for each of
// the main, colour and advanced values that changed, at once.
void OnMouseMove(const PointerContext& context, Point point);

// Uses the hover values of the last move, not the click point.
void OnLeftButtonDown(const PointerContext& context, ClickActions& actions, Point point);
void OnLeftButtonUp(const PointerContext& context, ClickActions& actions, Point point);

}  // namespace vx::ui
