#pragma once
// Whole-file access for the portable profile (INI) code. Paths are UTF-8 and
// may use backslashes, as the program composes them ("<dir>\config.ini");
// each backend maps them to its own form.
#include <optional>
#include <string>

namespace vx::platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool Exists(const std::string& path) = 0;
    // The file's raw bytes, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Replaces the file's contents as one step: the new bytes go to a
    // temporary file beside it that is then renamed over the old one, so a
    // crash leaves either the old or the new file, never a half-written one.
    virtual bool ReplaceAll(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace vx::platform
