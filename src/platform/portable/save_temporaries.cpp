#include "platform/portable/save_temporaries.h"

namespace vx::platform {
namespace {

constexpr std::string_view kInfix = ".ZUV_GMouse-save-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kDigits = 16;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (Lower(c) >= 'a' && Lower(c) <= 'f'); }

}  // namespace

std::string SaveTemporaryName(std::string_view fileName, std::uint64_t random) {
    std::string name(fileName);
    name.append(kInfix);
    for (int shift = 60; shift >= 0; shift -= 4) name.push_back("0123456789abcdef"[(random >> shift) & 15]);
    name.append(kSuffix);
    return name;
}

bool IsSaveTemporaryOf(std::string_view candidate, std::string_view fileName) {
    if (fileName.empty() || candidate.size() != fileName.size() + kInfix.size() + kDigits + kSuffix.size()) {
        return false;
    }
    if (!SameIgnoringCase(candidate.substr(0, fileName.size()), fileName)) return false;
    candidate.remove_prefix(fileName.size());
    if (!SameIgnoringCase(candidate.substr(0, kInfix.size()), kInfix)) return false;
    candidate.remove_prefix(kInfix.size());
    for (std::size_t i = 0; i < kDigits; ++i) {
        if (!IsHexDigit(candidate[i])) return false;
    }
    return SameIgnoringCase(candidate.substr(kDigits), kSuffix);
}

}  // namespace vx::platform
