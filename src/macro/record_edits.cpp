#include "macro/record_edits.h"

#include <algorithm>

#include "macro/macro_record.h"

namespace vx::macro {

bool IsUserSlot(std::int32_t slot) { return slot >= 0 && slot < static_cast<std::int32_t>(kUserMacroSlots); }

std::int32_t InitialClickedLine(const MacroStore& macros) {
    if (!IsUserSlot(macros.selectedMacro)) return 0;
    const std::int32_t events = macros.user[static_cast<std::size_t>(macros.selectedMacro)].eventCount;
    return events == 0 ? 0 : events * 2 - 2;
}

std::int32_t FindMacroByName(const MacroStore& macros, const std::string& name) {
    const std::int32_t count = std::clamp<std::int32_t>(macros.userMacroCount, 0, kUserMacroSlots);
    for (std::int32_t k = 0; k < count; ++k) {
        if (NameText(macros.user[static_cast<std::size_t>(k)]) == name) return k;
    }
    return count;
}

bool InsertEvent(MacroRecord& record, std::int32_t position, MacroEvent event) {
    const std::int32_t old = record.eventCount;
    if (old + 1 > kMaxMacroEvents) return false;
    const auto at = static_cast<std::size_t>(std::clamp(position, 0, old));
    record.eventCount = static_cast<std::uint8_t>(old + 1);
    for (auto slot = static_cast<std::size_t>(old); slot > at; --slot) {
        record.events[slot] = record.events[slot - 1];
        record.delays[slot] = record.delays[slot - 1];
    }
    record.events[at] = event;
    record.delays[at] = kInsertedDelayMs;
    return true;
}

void DeleteEvent(MacroRecord& record, std::int32_t index) {
    const std::int32_t old = record.eventCount;
    const std::int32_t count = std::max(old - 1, 0);
    record.eventCount = static_cast<std::uint8_t>(count);
    if (index < 0 || index >= count) return;
    for (auto slot = static_cast<std::size_t>(index); slot + 1 < static_cast<std::size_t>(old); ++slot) {
        record.events[slot] = record.events[slot + 1];
        record.delays[slot] = record.delays[slot + 1];
    }
}

void RemoveUserMacro(MacroStore& macros, std::int32_t index, std::int32_t count) {
    for (std::int32_t slot = index; slot + 1 < count; ++slot)
        macros.user[static_cast<std::size_t>(slot)] = macros.user[static_cast<std::size_t>(slot + 1)];
    macros.userMacroCount = static_cast<std::int16_t>(std::max(count - 1, 0));
    MacroRecord& left = macros.user[static_cast<std::size_t>(macros.userMacroCount)];
    left.repeatEnabled = 0;
    left.repeatCount = 1;
    left.eventCount = 0;
}

}  // namespace vx::macro
