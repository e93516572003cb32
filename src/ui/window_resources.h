#pragma once
// What the main window makes at start-up and keeps: the two fonts, the
// window's shape and the two ordinary menus. Interface thread only.
#include "platform/geometry.h"
#include "platform/window.h"
#include "settings/mouse_config.h"
#include "ui/owner_drawn_menu.h"

namespace vx::ui {

struct WindowResources {
    platform::FontHandle EnglishFont = 0;
    platform::FontHandle ChineseFont = 0;
    Region WindowRegion;
    // The window less the advanced page's child controls.
    Region RepaintRegion;
    bool windowShaped = false;
    // The event list's context menu and the tray menu, of the interface
    // language.
    LanguageMenus menus;

    platform::FontHandle FontFor(settings::UiLanguage language) const {
        return settings::UsesEnglish(language) ? EnglishFont : ChineseFont;
    }
};

}  // namespace vx::ui
