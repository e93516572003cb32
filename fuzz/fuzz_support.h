#pragma once
// Shared by the fuzz targets: taking typed pieces from the input, writing a
// text as a file in each encoding the profile files read, and a check that
// stops the run with a message when a property does not hold.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/portable/ini_document.h"
#include "platform/portable/utf_text.h"

#define VX_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace vx::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return used_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[used_++]; }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
    // Up to `max` bytes (the count taken from the input first).
    std::string Text(std::size_t max) {
        const std::size_t want = std::min<std::size_t>(Byte() % (max + 1), size_ - std::min(used_, size_));
        std::string text(reinterpret_cast<const char*>(data_ + used_), want);
        used_ += want;
        return text;
    }
    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(data_ + std::min(used_, size_)), size_ - std::min(used_, size_));
        used_ = size_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// The file's bytes for `text` in encoding `which % 4`: as it is, UTF-8 with
// a byte-order mark, UTF-16LE or UTF-16BE with one.
inline std::string AsFile(const std::string& text, std::uint8_t which) {
    switch (which % 4) {
        case 1: return "\xEF\xBB\xBF" + text;
        case 2:
        case 3: {
            const std::u16string units = platform::Utf8ToUtf16(text);
            std::string bytes = which % 4 == 2 ? std::string("\xFF\xFE") : std::string("\xFE\xFF");
            for (const char16_t unit : units) {
                const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
                if (which % 4 == 2) {
                    bytes += low, bytes += high;
                } else {
                    bytes += high, bytes += low;
                }
            }
            return bytes;
        }
        default: return text;
    }
}

// The blanks the INI reader trims around names: a lone carriage return in
// "[Config1\r]" is one of them.
inline std::string Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\v\f\x1a";
    while (!text.empty() && kBlanks.find(text.front()) != std::string_view::npos) text.remove_prefix(1);
    while (!text.empty() && kBlanks.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
    return std::string(text);
}

inline bool SameName(std::string_view a, std::string_view b) {
    const std::string x = Trimmed(a), y = Trimmed(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](char c, char d) {
        return std::tolower(static_cast<unsigned char>(c)) == std::tolower(static_cast<unsigned char>(d));
    });
}

// Every section and key pair the lines seem to hold.
inline std::vector<std::pair<std::string, std::string>> KeysOf(const platform::IniDocument& doc) {
    std::vector<std::pair<std::string, std::string>> keys;
    std::string section;
    for (const std::string& line : doc.Lines()) {
        const std::string text = Trimmed(line);
        if (!text.empty() && text.front() == '[' && text.find(']') != std::string::npos) {
            section = text.substr(1, text.find(']') - 1);
        } else if (const auto equals = text.find('='); equals != std::string::npos) {
            keys.emplace_back(section, text.substr(0, equals));
        }
    }
    return keys;
}

}  // namespace vx::fuzz
