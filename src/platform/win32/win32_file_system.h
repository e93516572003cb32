#pragma once
// FileSystem over Windows files; UTF-8 paths are widened for the W calls.
#include <string>

#include "platform/file_system.h"

namespace vx::platform {

class Win32FileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    // New bytes go to a temporary file in the same folder, are flushed to
    // disk and then moved over the target with write-through.
    bool ReplaceAll(const std::string& path, const std::string& bytes) override;
};

}  // namespace vx::platform
