#include "macro/macro_record.h"

#include "macro/key_codes.h"

namespace vx::macro {
namespace {

constexpr std::size_t kRepeatEnabledByte = 40;
constexpr std::size_t kRepeatCountByte = 41;
constexpr std::size_t kEventCountByte = 43;
constexpr std::size_t kFirstEventByte = 44;
constexpr std::size_t kEventStride = 4;

std::uint8_t LowByte(unsigned value) { return static_cast<std::uint8_t>(value & 0xFFu); }
std::uint8_t HighByte(unsigned value) { return static_cast<std::uint8_t>((value >> 8) & 0xFFu); }
std::uint16_t Word(std::uint8_t low, std::uint8_t high) { return static_cast<std::uint16_t>(low | (high << 8)); }

}  // namespace

MacroFileBytes ToFileBytes(const MacroRecord& record) {
    MacroFileBytes bytes{};
    for (std::size_t i = 0; i < kMacroNameUnits; ++i) {
        bytes[2 * i] = LowByte(record.name[i]);
        bytes[2 * i + 1] = HighByte(record.name[i]);
    }
    bytes[kRepeatEnabledByte] = record.repeatEnabled;
    bytes[kRepeatCountByte] = LowByte(record.repeatCount);
    bytes[kRepeatCountByte + 1] = HighByte(record.repeatCount);
    bytes[kEventCountByte] = record.eventCount;
    for (std::size_t k = 0; k < kMacroEventSlots; ++k) {
        const std::size_t at = kFirstEventByte + kEventStride * k;
        bytes[at] = UsageToVk(record.events[k].code);
        bytes[at + 1] = record.events[k].action;
        bytes[at + 2] = LowByte(record.delays[k]);
        bytes[at + 3] = HighByte(record.delays[k]);
    }
    return bytes;
}

MacroRecord FromFileBytes(const MacroFileBytes& bytes) {
    MacroRecord record;
    for (std::size_t i = 0; i < kMacroNameUnits; ++i) {
        record.name[i] = static_cast<char16_t>(Word(bytes[2 * i], bytes[2 * i + 1]));
    }
    record.repeatEnabled = bytes[kRepeatEnabledByte];
    record.repeatCount = Word(bytes[kRepeatCountByte], bytes[kRepeatCountByte + 1]);
    record.eventCount = bytes[kEventCountByte];
    for (std::size_t k = 0; k < kMacroEventSlots; ++k) {
        const std::size_t at = kFirstEventByte + kEventStride * k;
        record.events[k].code = VkToUsage(bytes[at]);
        record.events[k].action = bytes[at + 1];
        record.delays[k] = Word(bytes[at + 2], bytes[at + 3]);
    }
    return record;
}

}  // namespace vx::macro
