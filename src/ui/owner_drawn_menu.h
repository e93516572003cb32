#pragma once
// The event list's context menu and the tray menu in the program's own look:
// white text on blue-green, a blue-to-cyan gradient under the selected item,
// a red and blue frame for separators. Interface thread only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/menu.h"
#include "platform/window.h"
#include "settings/mouse_config.h"

namespace vx::ui {

struct MenuItemRecord {
    std::string text;     // as stored in the menu, trailing blanks included
    std::int32_t id = 0;  // command id, 0 separator, -1 opens a submenu
    bool checked = false;  // drawn with a check mark
};

class OwnerDrawnMenu {
public:
    static constexpr std::size_t kMaxRecords = 30;
    static constexpr std::size_t kMaxTextUnits = 1024;

    // Releases the menu held, loads `resourceId` and makes every item of it
    // and of its submenus owner-drawn, the record table started again.
    void Load(platform::MainWindow& window, int resourceId);
    // The loaded menu; null before the first load or when it failed.
    platform::Menu* Menu() { return menu_.get(); }
    std::size_t RecordsInUse() const { return used_; }
    const MenuItemRecord& Record(std::size_t index) const { return records_.at(index); }
    // The record an item of this menu was given as data; null for any
    // other value, so a stray item never reads outside the table.
    const MenuItemRecord* RecordFor(std::uintptr_t itemData) const;
    // Checks or clears every item with the command id.
    void SetChecked(int id, bool checked);

private:
    void MakeOwnerDrawn(platform::Menu& menu);

    std::unique_ptr<platform::Menu> menu_;
    std::array<MenuItemRecord, kMaxRecords> records_{};
    std::size_t used_ = 0;
};

// The two menus of the interface language.
struct LanguageMenus {
    OwnerDrawnMenu eventMenu;
    OwnerDrawnMenu trayMenu;

    const MenuItemRecord* RecordFor(std::uintptr_t itemData) const {
        const MenuItemRecord* record = eventMenu.RecordFor(itemData);
        return record != nullptr ? record : trayMenu.RecordFor(itemData);
    }
};

void LoadLanguageMenus(LanguageMenus& menus, platform::MainWindow& window, settings::UiLanguage language);

// 8 pixels per character (UTF-16 units, blanks included) by 20, or 1 pixel
// high for a separator.
platform::MenuItemSize MeasureMenuItem(const MenuItemRecord& record);
// The item in the program's look; an item that opens a submenu gets a white
// arrow at its right end (where the system would draw its own), a checked
// one a white check mark before its text.
void DrawMenuItem(const MenuItemRecord& record, const Rect& rect, bool selected, platform::MenuItemPainter& painter);

}  // namespace vx::ui
