#pragma once
// The process-wide macros: the user's twelve and the shipped constant ones.
// Changed only by the interface thread, under ConfigLock; the player copies
// a record under the same lock before playing it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "macro/macro_record.h"

namespace vx::macro {

inline constexpr std::size_t kUserMacroSlots = 12;
inline constexpr std::size_t kConstantMacroSlots = 13;

struct MacroStore {
    std::array<MacroRecord, kUserMacroSlots> user{};
    std::int16_t userMacroCount = 0;
    std::array<MacroRecord, kConstantMacroSlots> constant{};
    std::int16_t constantMacroCount = 0;
    std::int32_t selectedMacro = 0;  // the user macro the editor shows
    std::string userMacroFile;       // user macro file of the current language
};

}  // namespace vx::macro
