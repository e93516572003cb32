#pragma once
// The edits the macro editor makes to the user macros, on the records
// alone (the caller holds ConfigLock, since the player copies records
// under it) and the queries it makes of them.
#include <cstdint>
#include <string>

#include "macro/macro_store.h"

namespace vx::macro {

inline constexpr int kMaxMacroEvents = 254;
// The delay an inserted event gets.
inline constexpr std::uint16_t kInsertedDelayMs = 30;

bool IsUserSlot(std::int32_t slot);

// The event-list line selected at start-up: the last event of the selected
// macro.
std::int32_t InitialClickedLine(const MacroStore& macros);

// Index of the first user macro named exactly `name`, or the macro count.
std::int32_t FindMacroByName(const MacroStore& macros, const std::string& name);

// Inserts `event` at `position` (held to 0..count) with the inserted delay;
// false, and nothing changed, when the record holds kMaxMacroEvents.
bool InsertEvent(MacroRecord& record, std::int32_t position, MacroEvent event);

// Removes event `index`; the count drops by one even when `index` lies
// outside the events (the last one goes then).
void DeleteEvent(MacroRecord& record, std::int32_t index);

// Removes user macro `index` of `count`: the later ones move up, the freed
// last slot is emptied (repeat off, one pass, no events) and the count
// drops by one.
void RemoveUserMacro(MacroStore& macros, std::int32_t index, std::int32_t count);

}  // namespace vx::macro
