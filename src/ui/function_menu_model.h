#pragma once
// What the button-function menus offer and where their rows lie: the ten
// rows of the function menu, the four groups that open a sub-menu, and the
// rule that some button always keeps the primary click.
#include <array>
#include <cstdint>
#include <string>

#include "macro/macro_store.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "settings/mouse_config.h"
#include "skin/skin_layout.h"

namespace vx::ui {

// No row under the pointer.
inline constexpr std::int32_t NoRow = 255;
inline constexpr int kFunctionMenuRows = 10;
// Rows the function menu hit-tests: 11 and 12 lie below its shape but for
// one pixel line.
inline constexpr int kFunctionMenuHitRows = 12;
inline constexpr int kSubMenuImageRows = 12;
// The ButtonFunction code of the primary (left) click.
inline constexpr std::int32_t kPrimaryClick = 1;
// Function rows 1..6 choose their own number; rows 7..10 head a group.
inline constexpr std::int32_t kLastFunctionRow = 6;

// Sizes taken from a menu's mask picture.
struct MenuGeometry {
    int width = 0;
    int itemHeight = 0;
    // The shown part: rows × itemHeight + 1, or 0 for no rows.
    int visibleHeight = 0;

    // Row r (1-based) as a rectangle of the window.
    Rect Row(int row) const { return Rect{0, (row - 1) * itemHeight, width, row * itemHeight}; }
};

MenuGeometry FunctionMenuGeometry(const platform::Image& mask);
MenuGeometry SubMenuGeometry(const platform::Image& mask, int subItemCount);

// The first of rows 1..rows whose half-open band holds the point, or NoRow.
std::int32_t MenuRowAt(const MenuGeometry& geometry, int rows, Point point);

bool IsGroupHeading(std::int32_t row);
// Rows of heading 7..10's sub-menu: 6, 10, the user macros, 8.
int SubItemCount(std::int32_t heading, int userMacroCount);
// Sub-item d chooses base + d: 10, 20, 40 (user macros), 30.
std::int32_t SubItemCodeBase(std::int32_t heading);
// The sub-menu's top, in item heights from the function menu's top, so
// that its last row is level with its heading.
int SubMenuTopRows(std::int32_t heading, int userMacroCount);
std::string SubItemCaption(std::int32_t heading, int item, const skin::FunctionNames& names,
                           const std::array<std::string, macro::kUserMacroSlots>& userMacroNames);

// Button b (0..5) gets `code`; when no button is left on the primary click,
// the next button takes it (the last button takes it back itself). The
// caller holds ConfigLock.
void AssignButtonFunction(settings::MouseConfig& config, int button, std::int32_t code);

// True unless a button other than `button` holds the primary click.
bool NeedsPrimaryClickWarning(const settings::MouseConfig& config, int button);

}  // namespace vx::ui
