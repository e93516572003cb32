#pragma once
// One macro: a name and a timed list of key and mouse-button events, and its
// 1064-byte form in a macro file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx::macro {

inline constexpr std::uint8_t MouseLeftCode = 240;
inline constexpr std::uint8_t MouseRightCode = 241;
inline constexpr std::uint8_t MouseMiddleCode = 242;
inline constexpr std::uint8_t ActionPress = 1;
inline constexpr std::uint8_t ActionRelease = 2;

inline constexpr std::size_t kMacroNameUnits = 20;
inline constexpr std::size_t kMacroEventSlots = 255;
inline constexpr std::size_t kMacroRecordBytes = 1064;

struct MacroEvent {
    // A HID keyboard usage, or 240..242 for the left, right, middle button.
    std::uint8_t code = 0;
    std::uint8_t action = 0;
    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

struct MacroRecord {
    std::array<char16_t, kMacroNameUnits> name{};  // zero-terminated
    std::uint8_t repeatEnabled = 0;
    std::uint16_t repeatCount = 0;
    std::uint8_t eventCount = 0;
    std::array<MacroEvent, kMacroEventSlots> events{};
    std::array<std::uint16_t, kMacroEventSlots> delays{};  // ms after event i
    friend bool operator==(const MacroRecord&, const MacroRecord&) = default;
};

// The name as UTF-8, up to its terminator.
std::string NameText(const MacroRecord& record);
// Clears the name field and stores `utf8` in it, cut to the 19 code units
// that leave room for the terminator (never inside a character).
void StoreName(MacroRecord& record, std::string_view utf8);

// A record's bytes in file order: name (low byte first), repeatEnabled,
// repeatCount (low byte first), eventCount, then code, action, delay low,
// delay high for each of the 255 slots. Codes are virtual keys in the file.
using MacroFileBytes = std::array<std::uint8_t, kMacroRecordBytes>;

// Code bytes go out through UsageToVk.
MacroFileBytes ToFileBytes(const MacroRecord& record);
// Code bytes come in through VkToUsage.
MacroRecord FromFileBytes(const MacroFileBytes& bytes);

}  // namespace vx::macro
