#pragma once
// Whole-file access for the portable profile (INI) code. Paths are UTF-8 and
// may use backslashes, as the program composes them ("<dir>\config.ini");
// each backend maps them to its own form.
#include <cstdint>
#include <optional>
#include <string>

namespace vx::platform {

// What tells one version of a file from another without reading it: any
// write, by this program or another, or a file renamed over it changes it.
struct FileStamp {
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    std::uint64_t size = 0;
    std::uint64_t identity = 0;
    // Changed within about a second: another change within the same tick
    // of the file system's clock could leave the same stamp.
    bool recent = false;
    friend bool operator==(const FileStamp& a, const FileStamp& b) {
        return a.modified == b.modified && a.changed == b.changed && a.size == b.size && a.identity == b.identity;
    }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    // The file's raw bytes, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Nothing when the file is not there (or is no regular file).
    virtual std::optional<FileStamp> Stamp(const std::string& path) = 0;
    // True when the file exists and may not be written (the read-only
    // attribute, no write permission): ReplaceAll refuses such a file.
    virtual bool IsReadOnly(const std::string& path) = 0;
    // Replaces the file's contents as one step: the new bytes go to a
    // temporary file beside it that is then renamed over the old one, so a
    // crash leaves either the old or the new file, never a half-written one.
    // A symbolic link is kept: the file it points to is replaced. A file
    // created anew gets the user's default permissions; a replaced one keeps
    // its own.
    virtual bool ReplaceAll(const std::string& path, const std::string& bytes) = 0;
    // Removes the temporary files that saves of this file killed before
    // their rename left beside it (SaveTemporaryName); nothing else.
    virtual void RemoveStaleTemporaries(const std::string& path) = 0;
};

}  // namespace vx::platform
