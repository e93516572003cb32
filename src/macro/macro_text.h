#pragma once
// The text form of a macro record in a macro file: its 1064 file bytes as
// 3192 decimal digits, three per byte.
#include <string>
#include <string_view>

#include "macro/macro_record.h"

namespace vx::macro {

inline constexpr std::size_t kRecordDigits = 3 * kMacroRecordBytes;

std::string FormatRecordDigits(const MacroRecord& record);

// Reads every byte from its three characters as a leading decimal integer
// (damaged or missing characters read as far as they go, or as 0) and
// keeps the low 8 bits, so any text gives a whole record.
MacroRecord ParseRecordDigits(std::string_view digits);

// Optional leading white space, an optional sign, digits up to the first
// non-digit; no digits gives 0. Saturates instead of overflowing.
long ParseLeadingInteger(std::string_view text);

}  // namespace vx::macro
