#pragma once
// FileSystem over Windows files; UTF-8 paths are widened for the W calls.
#include <string>

#include "platform/file_system.h"

namespace vx::platform {

class Win32FileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    // New bytes go to a temporary file beside the target (a link's target),
    // are flushed to disk and then moved over it with write-through.
    bool ReplaceAll(const std::string& path, const std::string& bytes) override;
    void RemoveStaleTemporaries(const std::string& path) override;
};

}  // namespace vx::platform
