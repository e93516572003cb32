#include "platform/testing/memory_file_system.h"

namespace vx::platform::testing {

bool MemoryFileSystem::Exists(const std::string& path) {
    std::lock_guard guard(lock_);
    return files_.count(path) != 0;
}

std::optional<std::string> MemoryFileSystem::ReadAll(const std::string& path) {
    std::lock_guard guard(lock_);
    const auto it = files_.find(path);
    if (it == files_.end() || readsFail_) return std::nullopt;
    return it->second;
}

bool MemoryFileSystem::ReplaceAll(const std::string& path, const std::string& bytes) {
    if (writesFail_) return false;
    std::lock_guard guard(lock_);
    files_[path] = bytes;
    ++writeCount_;
    return true;
}

void MemoryFileSystem::SetFile(const std::string& path, std::string bytes) {
    std::lock_guard guard(lock_);
    files_[path] = std::move(bytes);
}

std::optional<std::string> MemoryFileSystem::GetFile(const std::string& path) const {
    std::lock_guard guard(lock_);
    const auto it = files_.find(path);
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

void MemoryFileSystem::RemoveFile(const std::string& path) {
    std::lock_guard guard(lock_);
    files_.erase(path);
}

std::vector<std::string> MemoryFileSystem::Paths() const {
    std::lock_guard guard(lock_);
    std::vector<std::string> paths;
    for (const auto& [path, bytes] : files_) paths.push_back(path);
    return paths;
}

}  // namespace vx::platform::testing
