#pragma once
// What the main window makes at start-up and keeps: the two fonts and the
// window's shape. Interface thread only.
#include "platform/geometry.h"
#include "platform/window.h"
#include "settings/mouse_config.h"

namespace vx::ui {

struct WindowResources {
    platform::FontHandle EnglishFont = 0;
    platform::FontHandle ChineseFont = 0;
    Region WindowRegion;
    // The window less the advanced page's child controls.
    Region RepaintRegion;
    bool windowShaped = false;

    platform::FontHandle FontFor(settings::UiLanguage language) const {
        return settings::UsesEnglish(language) ? EnglishFont : ChineseFont;
    }
};

}  // namespace vx::ui
