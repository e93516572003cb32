#include "ui/paint.h"

#include <algorithm>
#include <limits>

#include "skin/skin_elements.h"
#include "ui/paint_parts.h"

namespace vx::ui {

namespace {

namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;
namespace color = skin::elements::color;
using paint_parts::EntryAt;
using paint_parts::RectOf;
using platform::Drawing;
using platform::Image;

struct PageImages {
    const Image& normal;
    const Image& over;
    const Image& down;
};

void CopyArea(Drawing& drawing, const Image& source, const Rect& rect) {
    if (!rect.IsEmpty()) drawing.CopyRect(source, rect);
}

void CopyElement(Drawing& drawing, const Image& source, const skin::LayoutEntry* entry) {
    if (entry != nullptr) CopyArea(drawing, source, entry->Bounds());
}

void PaintHoveredElement(Drawing& drawing, const PageImages& images, const skin::Layouts& layouts,
                         const PaintInputs& in) {
    const skin::LayoutEntry* hovered = nullptr;
    switch (in.page) {
        case SkinPage::MainPage: hovered = EntryAt(layouts.main, in.hotMain); break;
        case SkinPage::AdvancedPage: hovered = EntryAt(layouts.advanced, in.hotAdvanced); break;
        case SkinPage::ColorPage: hovered = EntryAt(layouts.color, in.hotColor); break;
    }
    if (!in.pressed) {
        CopyElement(drawing, images.over, hovered);
        return;
    }
    // The held slider shows its bar (drawn later), not its pressed picture.
    if (in.page == SkinPage::AdvancedPage && in.hotAdvanced == advanced::kFireSlider) return;
    CopyElement(drawing, images.down, hovered);
}

// Levels and steps outside 0..3 and 0..11 come only from hand-edited
// settings; they select nothing.
void PaintMainPageOverlays(Drawing& drawing, const PageImages& images, const skin::MainLayout& layout,
                           const PaintInputs& in) {
    const settings::MouseConfig& config = in.config;
    if (config.DPI_LEVEL >= 0 && config.DPI_LEVEL < main::kDpiSelects.count) {
        CopyElement(drawing, images.down, EntryAt(layout, main::kDpiSelects.At(config.DPI_LEVEL)));
    }
    constexpr int kSteps = main::kDpiCells.count / main::kDpiSelects.count;
    for (int level = 0; level < main::kDpiSelects.count; ++level) {
        const int step = config.DpiSet(level);
        if (step < kSteps) {
            for (int cell = 0; cell <= step; ++cell) {
                const skin::LayoutEntry& entry =
                    layout[static_cast<std::size_t>(main::kDpiCells.At(kSteps * level + cell))];
                const Rect bar = RectOf(std::int64_t{entry.x} + 1, std::int64_t{entry.y} + 1,
                                        std::int64_t{entry.width} - 2, std::int64_t{entry.height} - 1);
                if (!bar.IsEmpty()) drawing.FillRect(bar, kLevelColors[static_cast<std::size_t>(level)]);
            }
        }
        if (config.DpiEnabled(level)) CopyElement(drawing, images.down, EntryAt(layout, main::kDpiEnables.At(level)));
    }
    // Any stored wheel mode other than 0 shows the alternate one.
    CopyElement(drawing, images.down, EntryAt(layout, main::kWheelModes.At(config.WHEEL_STATUS == 0 ? 0 : 1)));
    // Each button row lights its part of the mouse drawing with it.
    if (main::kButtonRows.Contains(in.hotMain)) {
        CopyElement(drawing, images.over,
                    EntryAt(layout, main::kMouseParts.At(main::kButtonRows.IndexOf(in.hotMain))));
    }
}

void PaintAdvancedPageOverlays(Drawing& drawing, const PageImages& images, const skin::AdvancedLayout& layout,
                               const PaintInputs& in) {
    const settings::MouseConfig& config = in.config;
    if (in.recording) CopyElement(drawing, images.down, EntryAt(layout, advanced::kRecord));
    if (config.DPI_SPEED < advanced::kPointerSpeedSteps.count) {
        CopyElement(drawing, images.down, EntryAt(layout, advanced::kPointerSpeedSteps.At(config.DPI_SPEED)));
    }
    if (config.WHEEL_SPEED < advanced::kScrollSpeedSteps.count) {
        CopyElement(drawing, images.down, EntryAt(layout, advanced::kScrollSpeedSteps.At(config.WHEEL_SPEED)));
    }

    // The rapid-fire bar grows from the slider's left edge; a hand-edited
    // value beyond 0..300 never draws outside the slider.
    const skin::LayoutEntry& slider = layout[advanced::kFireSlider];
    if (config.FIRE_TIME > 0 && slider.width > 0) {
        const std::uint64_t barWidth = std::min<std::uint64_t>(
            static_cast<std::uint64_t>(config.FIRE_TIME) * static_cast<std::uint64_t>(slider.width) / 300,
            static_cast<std::uint64_t>(slider.width));
        CopyArea(drawing, images.down, RectOf(slider.x, slider.y, static_cast<std::int64_t>(barWidth), slider.height));
    }

    if (config.MACRO_MODE2 != 0) CopyElement(drawing, images.down, EntryAt(layout, advanced::kHoldMode));
    if (in.selectedMacroRepeats) CopyElement(drawing, images.down, EntryAt(layout, advanced::kLoop));
}

void PaintColorPageOverlays(Drawing& drawing, const PageImages& images, SkinImages& skinImages,
                            const skin::ColorLayout& layout, const PaintInputs& in) {
    if (color::kLedModes.Contains(in.config.LED_STATUS)) {
        CopyElement(drawing, images.down, EntryAt(layout, color::kLedModes.At(in.config.LED_STATUS)));
    }

    // The LED preview area: each colour is one picture's version of it; the
    // page's normal picture already shows the pink one.
    const skin::LayoutEntry* preview = &layout[color::kLedPreview];
    if (in.previewDark) {
        CopyElement(drawing, skinImages.Get(kPreviewGrayImage), preview);
        return;
    }
    switch (in.previewColor) {
        case 0: CopyElement(drawing, skinImages.Get(kPreviewBlueImage), preview); break;
        case 2: CopyElement(drawing, images.over, preview); break;
        case 3: CopyElement(drawing, images.down, preview); break;
        default: break;
    }
}

int PageTab(SkinPage page) {
    switch (page) {
        case SkinPage::AdvancedPage: return main::kTabAdvanced;
        case SkinPage::ColorPage: return main::kTabColor;
        case SkinPage::MainPage: break;
    }
    return main::kTabMain;
}

void PaintCommonElements(Drawing& drawing, const PageImages& images, const skin::MainLayout& layout,
                         const PaintInputs& in) {
    const std::int64_t currentConfigElement = std::int64_t{in.currentConfigNumber} - 1 + main::kProfiles.first;
    // A stored language other than 0 and 1 shows neither element pressed.
    int languageElement = -1;
    if (in.language == settings::UiLanguage::Chinese) languageElement = main::kLangCn;
    if (in.language == settings::UiLanguage::English) languageElement = main::kLangEn;
    for (int i = main::kCommon.first; i <= main::kCommon.Last(); ++i) {
        const Image* source = nullptr;
        if (i == currentConfigElement) {
            source = &images.down;
        } else if (i == in.hotMain) {
            source = in.pressed ? &images.down : &images.over;
        } else if (i == PageTab(in.page) || i == languageElement) {
            source = &images.down;
        }
        if (source != nullptr) CopyElement(drawing, *source, &layout[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

namespace paint_parts {

Rect RectOf(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    auto clamp = [](std::int64_t v) {
        return static_cast<int>(
            std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    return Rect{clamp(x), clamp(y), clamp(x + width), clamp(y + height)};
}

}  // namespace paint_parts

void PaintMainWindow(Drawing& drawing, SkinImages& skinImages, skin::Layouts& layouts, const PaintInputs& in) {
    const PageImageNames names = PageImagesOf(in.page);
    const PageImages images{skinImages.Get(names.normal), skinImages.Get(names.over), skinImages.Get(names.down)};

    // The window is the mask's size; without a mask, the page picture's.
    const Image& mask = skinImages.Get(kMainMaskImage);
    const Image& sizeSource = mask.width > 0 ? mask : images.normal;
    drawing.BeginCanvas(images.normal, sizeSource.width, sizeSource.height);

    PaintHoveredElement(drawing, images, layouts, in);
    switch (in.page) {
        case SkinPage::MainPage: PaintMainPageOverlays(drawing, images, layouts.main, in); break;
        case SkinPage::AdvancedPage: PaintAdvancedPageOverlays(drawing, images, layouts.advanced, in); break;
        case SkinPage::ColorPage: PaintColorPageOverlays(drawing, images, skinImages, layouts.color, in); break;
    }
    PaintCommonElements(drawing, images, layouts.main, in);
    paint_parts::PaintTexts(drawing, layouts, in);

    const bool clipped =
        in.page == SkinPage::AdvancedPage && in.repaintRegion != nullptr && !in.repaintRegion->rects.empty();
    drawing.Present(clipped ? in.repaintRegion : nullptr);
}

int DpiOfDeviceCode(std::uint8_t code) {
    switch (code) {
        case 2: return 400;
        case 3: return 600;
        case 4: return 800;
        case 5: return 1000;
        case 6: return 1200;
        case 7: return 1600;
        case 9: return 2000;
        case 11: return 2400;
        case 13: return 3200;
        case 14: return 4000;
        case 15: return 4800;
        default: return 200;
    }
}

std::array<std::string, macro::kUserMacroSlots> UserMacroNames(const macro::MacroStore& store) {
    std::array<std::string, macro::kUserMacroSlots> names;
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = macro::NameText(store.user[i]);
    return names;
}

bool SelectedMacroRepeats(const macro::MacroStore& store) {
    const std::int32_t selected = store.selectedMacro;
    if (selected < 0 || selected >= static_cast<std::int32_t>(store.user.size())) return false;
    return store.user[static_cast<std::size_t>(selected)].repeatEnabled == 1;
}

}  // namespace vx::ui
