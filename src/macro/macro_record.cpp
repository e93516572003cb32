#include "macro/macro_record.h"

#include <algorithm>

#include "macro/key_codes.h"
#include "platform/portable/utf_text.h"

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

std::string NameText(const MacroRecord& record) {
    const auto end = std::find(record.name.begin(), record.name.end(), u'\0');
    return platform::Utf16ToUtf8(
        std::u16string_view(record.name.data(), static_cast<std::size_t>(end - record.name.begin())));
}

void StoreName(MacroRecord& record, std::string_view utf8) {
    record.name.fill(u'\0');
    const std::size_t fits = platform::Utf8PrefixWithinUtf16Units(utf8, kMacroNameUnits - 1);
    const std::u16string units = platform::Utf8ToUtf16(utf8.substr(0, fits));
    std::copy_n(units.begin(), std::min(units.size(), kMacroNameUnits - 1), record.name.begin());
}

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
