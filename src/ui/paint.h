#pragma once
// One paint of the main window: the page's normal picture as the canvas,
// the hovered element, the page's live values and the common elements
// copied onto it from the over and down pictures, then the captions and
// values as text, and one transfer to the window.
#include <array>
#include <cstdint>
#include <string>

#include "macro/macro_store.h"
#include "platform/drawing.h"
#include "platform/geometry.h"
#include "settings/mouse_config.h"
#include "skin/skin_layout.h"
#include "ui/interface_state.h"
#include "ui/skin_images.h"

namespace vx::ui {

// Everything a paint reads, copied at its start (the configuration under
// its lock), so that the paint itself takes no lock.
struct PaintInputs {
    SkinPage page = SkinPage::MainPage;
    std::int32_t hotMain = NoElement;
    std::int32_t hotColor = NoElement;
    std::int32_t hotAdvanced = NoElement;
    bool pressed = false;

    settings::MouseConfig config;
    std::int32_t currentConfigNumber = 1;
    settings::UiLanguage language = settings::UiLanguage::Chinese;
    platform::FontHandle font = 0;  // the interface language's font

    // Names of the user macros, shown for function codes 41 and up.
    std::array<std::string, macro::kUserMacroSlots> userMacroNames;
    bool selectedMacroRepeats = false;
    bool recording = false;
    std::int32_t pressCount = 0;
    std::int32_t releaseCount = 0;

    std::array<std::uint8_t, 4> sentDpiCodes{};
    std::int32_t previewColor = 0;
    bool previewDark = false;

    // On the advanced page the transfer stays inside this region (when it
    // is given and not empty), leaving the macro-editor controls alone.
    const Region* repaintRegion = nullptr;
};

inline constexpr platform::Color kCaptionWhite{255, 255, 255};
inline constexpr platform::Color kHotRed{255, 0, 0};
inline constexpr platform::Color kCaptionBlack{0, 0, 0};
// The DPI bar (and LED) colour of each level.
inline constexpr std::array<platform::Color, 4> kLevelColors{platform::Color{0, 0, 255}, platform::Color{255, 0, 255},
                                                             platform::Color{255, 0, 0}, platform::Color{128, 0, 255}};

// Writes the four live captions of the advanced page into `layouts`; they
// stay there until the next layout load.
void PaintMainWindow(platform::Drawing& drawing, SkinImages& images, skin::Layouts& layouts, const PaintInputs& inputs);

// The DPI the mouse runs at for a device DPI code (200 for unknown codes).
int DpiOfDeviceCode(std::uint8_t code);

std::array<std::string, macro::kUserMacroSlots> UserMacroNames(const macro::MacroStore& store);
// Whether the macro the editor shows repeats; false when none is selected.
bool SelectedMacroRepeats(const macro::MacroStore& store);

}  // namespace vx::ui
