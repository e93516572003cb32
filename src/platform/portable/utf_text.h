#pragma once
// UTF-8 <-> UTF-16 conversion for profile files, without any OS call.
// Malformed input never fails: an invalid byte or lone surrogate becomes
// U+FFFD, so a damaged file still reads.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx::platform {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Length in bytes of the longest prefix of `utf8` that takes at most
// `maxUnits` UTF-16 code units. The cut never falls inside a multi-byte
// sequence, and a code point above U+FFFF (two units) is kept whole or not
// at all. An invalid byte counts as one unit.
std::size_t Utf8PrefixWithinUtf16Units(std::string_view utf8, std::size_t maxUnits);

}  // namespace vx::platform
