#include "settings/mouse_config.h"

namespace vx::settings {

std::int32_t& MouseConfig::Button(int i) {
    switch (i) {
        case 0: return K0;
        case 1: return K1;
        case 2: return K2;
        case 3: return K3;
        case 4: return K4;
        default: return K5;
    }
}

std::int32_t MouseConfig::Button(int i) const { return const_cast<MouseConfig*>(this)->Button(i); }

std::uint8_t& MouseConfig::DpiSet(int level) {
    switch (level) {
        case 0: return DPI_SET0;
        case 1: return DPI_SET1;
        case 2: return DPI_SET2;
        default: return DPI_SET3;
    }
}

std::uint8_t MouseConfig::DpiSet(int level) const { return const_cast<MouseConfig*>(this)->DpiSet(level); }

bool& MouseConfig::DpiEnabled(int level) {
    switch (level) {
        case 0: return DPI_SET_EN0;
        case 1: return DPI_SET_EN1;
        case 2: return DPI_SET_EN2;
        default: return DPI_SET_EN3;
    }
}

bool MouseConfig::DpiEnabled(int level) const { return const_cast<MouseConfig*>(this)->DpiEnabled(level); }

}  // namespace vx::settings
