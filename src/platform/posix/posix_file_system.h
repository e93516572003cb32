#pragma once
// FileSystem over POSIX files. The program's paths use backslashes
// ("<dir>\config.ini"); they are turned into '/' here.
#include <string>

#include "platform/file_system.h"

namespace vx::platform {

class PosixFileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    // Writes the temporary file beside the target (a link's target), syncs
    // it, renames it over the target and syncs the folder, so the file is
    // either old or new after a crash.
    bool ReplaceAll(const std::string& path, const std::string& bytes) override;
    void RemoveStaleTemporaries(const std::string& path) override;

    static std::string NativePath(const std::string& path);
};

}  // namespace vx::platform
