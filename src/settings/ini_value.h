#pragma once
// Numbers in settings files are decimal text. Reading follows the C library
// rule the files were written for: leading white space, an optional sign,
// then digits up to the first non-digit; no digits gives 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx::settings {

// A number beyond the 32-bit range saturates at INT32_MIN / INT32_MAX.
std::int32_t ParseIniInt(std::string_view text);

// "%d" formatting.
std::string FormatIniInt(std::int32_t value);

}  // namespace vx::settings
