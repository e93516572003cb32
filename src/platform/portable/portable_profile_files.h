#pragma once
// Profile (INI) files over whole-file reads and atomic replacements. Every
// change rewrites the file through FileSystem::ReplaceAll, so a crash or a
// failed write during a save leaves the old file intact instead of a
// truncated one. A file is read and parsed once per version: loading a
// layout reads hundreds of values from one file.
#include <map>
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
    struct Parsed {
        FileStamp stamp;
        std::string bytes;
        IniDocument document;
        // Written by this object: a stamp too recent to tell versions apart
        // still identifies it.
        bool ownWrite = false;
    };
    // The file as it is now, parsed; nothing when it is not there or cannot
    // be read. Called under lock_.
    const Parsed* Current(const std::string& file);
    bool Refuse(const std::string& file, std::string_view section, std::string_view why);

    FileSystem& files_;
    Diagnostics& diagnostics_;
    IniEncoding newFileEncoding_;
    // One read-modify-write at a time: the interface and the action player
    // both save into config.ini.
    std::mutex lock_;
    // Files parsed so far, by path; a file whose stamp changed is read again.
    std::map<std::string, Parsed> parsed_;
};

}  // namespace vx::platform
