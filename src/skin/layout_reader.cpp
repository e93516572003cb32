#include "skin/layout_reader.h"

#include <algorithm>
#include <string>
#include <utility>

namespace vx::skin {

SplitLayout SplitLayoutValue(std::string_view value) {
    SplitLayout result;
    const auto commas = std::count(value.begin(), value.end(), ',');
    result.tooManyCommas = commas > 6;
    if (commas == 0) {
        result.fields[0] = std::string(value);
        return result;
    }
    // Positions are byte offsets: a comma never occurs inside a multi-byte
    // UTF-8 sequence, so every field stays whole text.
    std::ptrdiff_t prev = -1;
    for (std::size_t i = 0; i <= 5; ++i) {
        const auto start = static_cast<std::size_t>(prev + 1);
        const std::size_t comma = start < value.size() ? value.find(',', start) : std::string_view::npos;
        const bool found = comma != std::string_view::npos;
        if (found) result.fields[i] = std::string(value.substr(start, comma - start));
        if (i == 5) result.fields[6] = found ? std::string(value.substr(comma + 1)) : std::string(value);
        prev = found ? static_cast<std::ptrdiff_t>(comma) : -1;
    }
    return result;
}

LayoutFields ReadLayoutValue(platform::ProfileFiles& profiles, platform::MessageSink& messages, const std::string& file,
                             std::string_view section, int key) {
    const std::string value = profiles.ReadString(file, section, std::to_string(key), kLayoutReadCapacity);
    SplitLayout split = SplitLayoutValue(value);
    if (split.tooManyCommas) messages.ShowMessage(kLayoutFormatError);
    return std::move(split.fields);
}

}  // namespace vx::skin
