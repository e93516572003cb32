#pragma once
// ProfileFiles over the system's own profile functions
// (GetPrivateProfileStringW / WritePrivateProfileStringW).
#include <mutex>
#include <string>

#include "platform/profile_files.h"

namespace vx::platform {

class Win32ProfileFiles : public ProfileFiles {
public:
    std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                           std::size_t capacity) override;
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) override;
    // The single writes in order, none from another thread in between.
    bool WriteStrings(const std::string& file, std::string_view section,
                      const std::vector<ProfileEntry>& entries) override;
    bool FileExists(const std::string& file) override;

private:
    bool WriteOne(const std::wstring& file, const std::wstring& section, std::string_view key, std::string_view value);

    std::mutex lock_;
};

}  // namespace vx::platform
