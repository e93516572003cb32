#include "ui/function_menu_model.h"

namespace vx::ui {

namespace {
constexpr int kButtons = 6;
}  // namespace

MenuGeometry FunctionMenuGeometry(const platform::Image& mask) {
    MenuGeometry geometry;
    geometry.width = mask.width;
    geometry.itemHeight = mask.height / kFunctionMenuRows;
    geometry.visibleHeight = kFunctionMenuRows * geometry.itemHeight + 1;
    return geometry;
}

MenuGeometry SubMenuGeometry(const platform::Image& mask, int subItemCount) {
    MenuGeometry geometry;
    geometry.width = mask.width;
    geometry.itemHeight = mask.height / kSubMenuImageRows;
    geometry.visibleHeight = subItemCount > 0 ? subItemCount * geometry.itemHeight + 1 : 0;
    return geometry;
}

std::int32_t MenuRowAt(const MenuGeometry& geometry, int rows, Point point) {
    for (int row = 1; row <= rows; ++row) {
        if (geometry.Row(row).Contains(point.x, point.y)) return row;
    }
    return NoRow;
}

bool IsGroupHeading(std::int32_t row) { return row >= 7 && row <= 10; }

int SubItemCount(std::int32_t heading, int userMacroCount) {
    switch (heading) {
        case 7: return 6;
        case 8: return 10;
        case 9: return userMacroCount;
        case 10: return 8;
        default: return 0;
    }
}

std::int32_t SubItemCodeBase(std::int32_t heading) {
    switch (heading) {
        case 7: return 10;
        case 8: return 20;
        case 9: return 40;
        case 10: return 30;
        default: return 0;
    }
}

int SubMenuTopRows(std::int32_t heading, int userMacroCount) {
    switch (heading) {
        case 7: return 1;
        case 8: return -2;
        case 9: return 9 - userMacroCount;
        case 10: return 2;
        default: return 0;
    }
}

std::string SubItemCaption(std::int32_t heading, int item, const skin::FunctionNames& names,
                           const std::array<std::string, macro::kUserMacroSlots>& userMacroNames) {
    if (heading == 9) {
        const int slot = item - 1;
        return slot >= 0 && slot < static_cast<int>(userMacroNames.size())
                   ? userMacroNames[static_cast<std::size_t>(slot)]
                   : std::string();
    }
    const std::int32_t code = SubItemCodeBase(heading) + item;
    return code > 0 && code < static_cast<std::int32_t>(names.size()) ? names[static_cast<std::size_t>(code)]
                                                                      : std::string();
}

void AssignButtonFunction(settings::MouseConfig& config, int button, std::int32_t code) {
    config.Button(button) = code;
    for (int i = 0; i < kButtons; ++i) {
        if (config.Button(i) == kPrimaryClick) return;
    }
    config.Button(button == kButtons - 1 ? button : button + 1) = kPrimaryClick;
}

bool NeedsPrimaryClickWarning(const settings::MouseConfig& config, int button) {
    for (int i = 0; i < kButtons; ++i) {
        if (i != button && config.Button(i) == kPrimaryClick) return false;
    }
    return true;
}

}  // namespace vx::ui
