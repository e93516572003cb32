#include "ui/owner_drawn_menu.h"

#include "platform/portable/utf_text.h"

namespace vx::ui {
namespace {

constexpr platform::Color kWhite{255, 255, 255};
constexpr platform::Color kRed{255, 0, 0};
constexpr platform::Color kBlue{0, 0, 255};
constexpr platform::Color kCyan{0, 255, 255};
constexpr platform::Color kItemBackground{0, 120, 153};
constexpr int kSeparatorIndent = 25;
constexpr int kTextIndent = 10;
constexpr int kCheckIndent = 1;
// The arrow's left edge from the item's right end, in the check-mark room
// the system adds to owner-drawn items.
constexpr int kArrowInset = 9;

int GradientStep(int start, int end, int height) { return static_cast<int>(static_cast<double>(end - start) / height); }

std::uint8_t Channel(int start, int step, int row) { return static_cast<std::uint8_t>((start + step * row) & 0xFF); }

}  // namespace

void OwnerDrawnMenu::Load(platform::MainWindow& window, int resourceId) {
    menu_.reset();
    menu_ = window.LoadMenu(resourceId);
    used_ = 0;
    if (menu_) MakeOwnerDrawn(*menu_);
}

void OwnerDrawnMenu::MakeOwnerDrawn(platform::Menu& menu) {
    const int count = menu.ItemCount();
    for (int position = 0; position < count; ++position) {
        // The largest menu needs 23 records; a bigger one keeps its own look
        // past the table rather than writing beyond it.
        if (used_ >= kMaxRecords) return;
        MenuItemRecord& record = records_[used_];
        const std::string text = menu.ItemText(position);
        record.text = text.substr(0, platform::Utf8PrefixWithinUtf16Units(text, kMaxTextUnits));
        record.id = menu.ItemId(position);
        menu.MakeOwnerDrawn(position, record.id, reinterpret_cast<std::uintptr_t>(&record));
        ++used_;
        if (platform::Menu* submenu = menu.SubMenu(position)) MakeOwnerDrawn(*submenu);
    }
}

void LoadLanguageMenus(LanguageMenus& menus, platform::MainWindow& window, settings::UiLanguage language) {
    const bool english = settings::UsesEnglish(language);
    menus.eventMenu.Load(window, english ? platform::kEventMenuEnglish : platform::kEventMenuChinese);
    menus.trayMenu.Load(window, english ? platform::kTrayMenuEnglish : platform::kTrayMenuChinese);
}

platform::MenuItemSize MeasureMenuItem(const MenuItemRecord& record) {
    const auto characters = static_cast<int>(platform::Utf8ToUtf16(record.text).size());
    return {8 * characters, record.id == 0 ? 1 : 20};
}

void DrawMenuItem(const MenuItemRecord& record, const Rect& rect, bool selected, platform::MenuItemPainter& painter) {
    if (record.id == 0) {
        painter.Frame3d(Rect{rect.left + kSeparatorIndent, rect.top, rect.right, rect.bottom}, kRed, kBlue);
        return;
    }
    if (selected) {
        painter.OutlineRect(rect);
        const Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        const int height = inner.bottom - inner.top;
        if (height > 0) {
            const int red = GradientStep(kBlue.red, kCyan.red, height);
            const int green = GradientStep(kBlue.green, kCyan.green, height);
            const int blue = GradientStep(kBlue.blue, kCyan.blue, height);
            for (int y = inner.top; y < inner.bottom; ++y) {
                const int row = y - inner.top;
                const platform::Color color{Channel(kBlue.red, red, row), Channel(kBlue.green, green, row),
                                            Channel(kBlue.blue, blue, row)};
                painter.Line(Point{inner.left, y}, Point{inner.right, y}, color);
            }
        }
    } else {
        painter.FillRect(rect, kItemBackground);
    }
    painter.Text(Rect{rect.left + kTextIndent, rect.top, rect.right, rect.bottom}, record.text, kWhite);
    const int middle = (rect.top + rect.bottom) / 2;
    if (record.id == platform::kSubmenuItemId) {
        // A right-pointing triangle, 5 pixels wide and 9 high.
        const int x = rect.right - kArrowInset;
        for (int dy = -4; dy <= 4; ++dy) {
            const int width = 5 - (dy < 0 ? -dy : dy);
            painter.FillRect(Rect{x, middle + dy, x + width, middle + dy + 1}, kWhite);
        }
    }
    if (record.checked) {
        // A tick two pixels thick: down three steps, then up five.
        constexpr int kTick[8] = {0, 1, 2, 1, 0, -1, -2, -3};
        for (int i = 0; i < 8; ++i) {
            const int x = rect.left + kCheckIndent + i;
            painter.FillRect(Rect{x, middle + kTick[i], x + 1, middle + kTick[i] + 2}, kWhite);
        }
    }
}

void OwnerDrawnMenu::SetChecked(int id, bool checked) {
    for (std::size_t i = 0; i < used_; ++i) {
        if (records_[i].id == id) records_[i].checked = checked;
    }
}

const MenuItemRecord* OwnerDrawnMenu::RecordFor(std::uintptr_t itemData) const {
    for (std::size_t i = 0; i < used_; ++i) {
        if (reinterpret_cast<std::uintptr_t>(&records_[i]) == itemData) return &records_[i];
    }
    return nullptr;
}

}  // namespace vx::ui
