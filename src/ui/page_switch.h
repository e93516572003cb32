#pragma once
// Switching between the main, advanced and colour pages.
#include "platform/geometry.h"
#include "ui/interface_state.h"
#include "ui/repainter.h"

namespace vx::ui {

// What a page switch sets going outside the page state itself: the
// macro-editor controls of the advanced page and the colour page's LED
// preview. Each does nothing until the piece that owns it is wired in.
class PageSideEffects {
public:
    virtual ~PageSideEffects() = default;
    virtual void CreateMacroEditorControls() {}
    virtual void DestroyMacroEditorControls() {}
    virtual void RefreshMacroList() {}
    virtual void StartLedPreviewUnlessRunning() {}
};

struct PageSwitchContext {
    InterfaceState& ui;
    Repainter& repainter;
    const Region& repaintRegion;
    PageSideEffects& effects;
};

void ShowMainPage(const PageSwitchContext& context);
void ShowAdvancedPage(const PageSwitchContext& context);
void ShowColorPage(const PageSwitchContext& context);

// On the advanced page only the repaint region is repainted, so that the
// macro-editor controls are not painted over; before that region exists,
// the whole window.
void InvalidateShownPage(const PageSwitchContext& context);

}  // namespace vx::ui
