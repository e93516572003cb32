#pragma once
// The one configuration being edited. Field names are the settings keys.
#include <cstdint>

namespace vx::settings {

struct MouseConfig {
    std::int32_t K0 = 0, K1 = 0, K2 = 0, K3 = 0, K4 = 0, K5 = 0;
    std::int32_t DPI_LEVEL = 0;
    std::int32_t WHEEL_STATUS = 0;
    std::int32_t MACRO_MODE2 = 0;
    std::uint8_t DPI_SET0 = 0, DPI_SET1 = 0, DPI_SET2 = 0, DPI_SET3 = 0;
    bool DPI_SET_EN0 = false, DPI_SET_EN1 = false, DPI_SET_EN2 = false, DPI_SET_EN3 = false;
    std::uint8_t LED_STATUS = 0;
    std::uint8_t DPI_SPEED = 0;
    std::uint8_t WHEEL_SPEED = 0;
    std::uint8_t USB_SPEED = 0;
    std::int32_t FIRE_TIME = 0;

    // Button i's function code, i = 0..5.
    std::int32_t& Button(int i);
    std::int32_t Button(int i) const;
    std::uint8_t& DpiSet(int level);
    std::uint8_t DpiSet(int level) const;
    bool& DpiEnabled(int level);
    bool DpiEnabled(int level) const;

    friend bool operator==(const MouseConfig&, const MouseConfig&) = default;
};

// [Init] VER_SEL as read: any 8-bit value may arrive here, not only 0 and 1.
enum class UiLanguage : std::uint8_t { Chinese = 0, English = 1 };

// Only 0 selects the Chinese variants (layouts, macro files, menus, font,
// texts); every other value selects the English ones. The factory section
// of configuration 5 and the language element shown pressed ask for
// exactly English instead.
constexpr bool UsesEnglish(UiLanguage language) { return language != UiLanguage::Chinese; }

}  // namespace vx::settings
