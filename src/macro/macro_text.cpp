#include "macro/macro_text.h"

#include <limits>

namespace vx::macro {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

long ParseLeadingInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    constexpr long kLimit = std::numeric_limits<long>::max() / 10 - 10;
    long value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (value < kLimit) value = value * 10 + (text[at] - '0');
    }
    return negative ? -value : value;
}

std::string FormatRecordDigits(const MacroRecord& record) {
    const MacroFileBytes bytes = ToFileBytes(record);
    std::string digits;
    digits.reserve(kRecordDigits);
    for (std::uint8_t byte : bytes) {
        digits.push_back(static_cast<char>('0' + byte / 100));
        digits.push_back(static_cast<char>('0' + byte / 10 % 10));
        digits.push_back(static_cast<char>('0' + byte % 10));
    }
    return digits;
}

MacroRecord ParseRecordDigits(std::string_view digits) {
    MacroFileBytes bytes{};
    for (std::size_t j = 0; j < kMacroRecordBytes; ++j) {
        const std::size_t start = 3 * j;
        if (start >= digits.size()) break;  // the rest stays 0
        const long value = ParseLeadingInteger(digits.substr(start, 3));
        bytes[j] = static_cast<std::uint8_t>(static_cast<unsigned long>(value) & 0xFFu);
    }
    return FromFileBytes(bytes);
}

}  // namespace vx::macro
