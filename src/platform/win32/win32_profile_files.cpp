#include "platform/win32/win32_profile_files.h"

#include <algorithm>
#include <vector>

#include "platform/portable/ini_document.h"

#include "platform/win32/text_convert.h"
#include "platform/win32/windows_api.h"

namespace vx::platform {
namespace {

// Larger reads are never asked for; the bound keeps the buffer sane.
constexpr std::size_t kMaxCapacity = 1u << 20;

}  // namespace

std::string Win32ProfileFiles::ReadString(const std::string& file, std::string_view section, std::string_view key,
                                          std::size_t capacity) {
    if (capacity == 0) return {};
    if (capacity > kMaxCapacity) capacity = kMaxCapacity;
    std::vector<wchar_t> buffer(capacity, L'\0');
    const DWORD length = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(capacity), Widen(file).c_str());
    std::size_t units = std::min<std::size_t>(length, capacity - 1);
    // A cut between the halves of a surrogate pair keeps neither half.
    if (units > 0 && buffer[units - 1] >= 0xD800 && buffer[units - 1] <= 0xDBFF) --units;
    return Narrow(std::wstring_view(buffer.data(), units));
}

bool Win32ProfileFiles::WriteOne(const std::wstring& file, const std::wstring& section, std::string_view key,
                                 std::string_view value) {
    // Line breaks would split the entry; an empty name would mean "delete".
    if (!IsStorableKey(key) || !IsStorableValue(value)) return false;
    return WritePrivateProfileStringW(section.c_str(), Widen(key).c_str(), Widen(value).c_str(), file.c_str()) != 0;
}

bool Win32ProfileFiles::WriteString(const std::string& file, std::string_view section, std::string_view key,
                                    std::string_view value) {
    if (!IsStorableSection(section)) return false;
    std::lock_guard guard(lock_);
    return WriteOne(Widen(file), Widen(section), key, value);
}

bool Win32ProfileFiles::WriteStrings(const std::string& file, std::string_view section,
                                     const std::vector<ProfileEntry>& entries) {
    if (!IsStorableSection(section)) return false;
    for (const auto& entry : entries) {
        if (!IsStorableKey(entry.key) || !IsStorableValue(entry.value)) return false;
    }
    const std::wstring wideFile = Widen(file);
    const std::wstring wideSection = Widen(section);
    std::lock_guard guard(lock_);
    bool allWritten = true;
    for (const auto& entry : entries)
        allWritten = WriteOne(wideFile, wideSection, entry.key, entry.value) && allWritten;
    return allWritten;
}

bool Win32ProfileFiles::FileExists(const std::string& file) {
    const DWORD attributes = GetFileAttributesW(Widen(file).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace vx::platform
