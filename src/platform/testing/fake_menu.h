#pragma once
// A menu resource for logic tests: items with texts, ids and submenus, and
// what was made owner-drawn.
#include <memory>
#include <string>
#include <vector>

#include "platform/menu.h"

namespace vx::platform::testing {

class FakeMenu : public Menu {
public:
    struct Item {
        std::string text;
        int id = 0;
        std::shared_ptr<FakeMenu> submenu;
        bool ownerDrawn = false;
        std::uintptr_t itemData = 0;
    };
    std::vector<Item> items;

    FakeMenu& Add(std::string text, int id) {
        items.push_back(Item{std::move(text), id, nullptr});
        return *this;
    }
    FakeMenu& AddSubmenu(std::string text, std::shared_ptr<FakeMenu> submenu) {
        items.push_back(Item{std::move(text), kSubmenuItemId, std::move(submenu)});
        return *this;
    }

    int ItemCount() override { return static_cast<int>(items.size()); }
    std::string ItemText(int position) override { return At(position) ? At(position)->text : ""; }
    int ItemId(int position) override { return At(position) ? At(position)->id : 0; }
    Menu* SubMenu(int position) override { return At(position) ? At(position)->submenu.get() : nullptr; }
    void MakeOwnerDrawn(int position, int id, std::uintptr_t itemData) override {
        if (Item* item = At(position)) {
            item->ownerDrawn = true;
            item->id = id;
            item->itemData = itemData;
        }
    }

private:
    Item* At(int position) {
        return position >= 0 && position < static_cast<int>(items.size()) ? &items[static_cast<std::size_t>(position)]
                                                                          : nullptr;
    }
};

}  // namespace vx::platform::testing
