#pragma once
// Reading one layout value and splitting it into its seven comma-separated
// fields.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/profile_files.h"
#include "platform/message_sink.h"

namespace vx::skin {

using LayoutFields = std::array<std::string, 7>;

// Room for 259 characters plus the terminator.
inline constexpr std::size_t kLayoutReadCapacity = 260;
inline constexpr const char* kLayoutFormatError = "加载ini错误！";
inline constexpr const char* kLayoutFileMissing = "找不到配置文件";

struct SplitLayout {
    LayoutFields fields;
    bool tooManyCommas = false;  // more than six commas
};

// Field i is the text up to the next comma after the previous field's
// comma; a field that finds no comma is empty and makes the next search
// start again from the beginning of the value. Field 6 is everything after
// the sixth comma found (or the whole value when none was found there).
// A value without any comma is field 0 alone.
SplitLayout SplitLayoutValue(std::string_view value);

// Reads [section] key=<number> from `file` (cut to 259 characters) and
// splits it. A value with more than six commas shows the format error box
// (no caption) and is still split.
LayoutFields ReadLayoutValue(platform::ProfileFiles& profiles, platform::MessageSink& messages, const std::string& file,
                             std::string_view section, int key);

}  // namespace vx::skin
