#pragma once
// The program's texts are UTF-8; Windows wide-character calls take UTF-16.
#include <string>
#include <string_view>

namespace vx::platform {

// Invalid UTF-8 bytes become U+FFFD; an empty input gives an empty result.
std::wstring Widen(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

}  // namespace vx::platform
