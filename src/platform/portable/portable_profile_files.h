#pragma once
// Profile (INI) files over whole-file reads and atomic replacements. Every
// change rewrites the file through FileSystem::ReplaceAll, so a crash or a
// failed write during a save leaves the old file intact instead of a
// truncated one.
#include <mutex>
#include <optional>
#include <string>

#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "platform/portable/ini_document.h"
#include "platform/profile_files.h"

namespace vx::platform {

class PortableProfileFiles : public ProfileFiles {
public:
    // `newFileEncoding` is used for files that do not exist yet; an existing
    // file keeps the encoding it was read in. Every refused or failed write
    // leaves a line in `diagnostics`.
    PortableProfileFiles(FileSystem& files, Diagnostics& diagnostics, IniEncoding newFileEncoding = IniEncoding::Utf8)
        : files_(files), diagnostics_(diagnostics), newFileEncoding_(newFileEncoding) {}

    std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                           std::size_t capacity) override;
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool WriteStrings(const std::string& file, std::string_view section,
                      const std::vector<ProfileEntry>& entries) override;
    bool FileExists(const std::string& file) override;

private:
    struct Loaded {
        IniDocument document;
        std::optional<std::string> bytes;  // nothing for a file not there yet
    };
    // The document to change, or nothing when the file exists but cannot be
    // read: rewriting it from an empty document would wipe its contents.
    std::optional<Loaded> LoadForChange(const std::string& file);
    bool Refuse(const std::string& file, std::string_view section, std::string_view why);

    FileSystem& files_;
    Diagnostics& diagnostics_;
    IniEncoding newFileEncoding_;
    // One read-modify-write at a time: the interface and the action player
    // both save into config.ini.
    std::mutex lock_;
};

}  // namespace vx::platform
