#pragma once
// Private-profile (INI) files: config.ini, the layout files, the macro files
// and exchange files. Texts are UTF-8 in memory whatever the file's encoding.
//
// Behaviour every implementation keeps:
// - a missing file, section or key reads as the empty string;
// - a read returns at most `capacity - 1` UTF-16 code units (the buffer holds
//   the terminator too);
// - a write creates the file and section when missing, replaces an existing
//   value in place and appends a new key at the end of its section;
// - section and key names compare without regard to letter case;
// - writes from different threads never interleave inside a file.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx::platform {

struct ProfileEntry {
    std::string key;
    std::string value;
};

class ProfileFiles {
public:
    virtual ~ProfileFiles() = default;
    virtual std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                                   std::size_t capacity) = 0;
    virtual bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Writes several keys of one section as one change. The file ends up
    // exactly as the same WriteString calls made in order would leave it.
    virtual bool WriteStrings(const std::string& file, std::string_view section,
                              const std::vector<ProfileEntry>& entries) = 0;
    virtual bool FileExists(const std::string& file) = 0;
};

}  // namespace vx::platform
