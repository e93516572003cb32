#include "platform/testing/memory_file_system.h"

#include "platform/portable/save_temporaries.h"

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

std::optional<FileStamp> MemoryFileSystem::Stamp(const std::string& path) {
    std::lock_guard guard(lock_);
    const auto it = files_.find(path);
    if (it == files_.end()) return std::nullopt;
    FileStamp stamp;
    stamp.modified = versions_[path];
    stamp.size = it->second.size();
    return stamp;
}

bool MemoryFileSystem::IsReadOnly(const std::string& path) {
    std::lock_guard guard(lock_);
    return files_.count(path) != 0 && readOnly_[path];
}

bool MemoryFileSystem::ReplaceAll(const std::string& path, const std::string& bytes) {
    if (writesFail_) return false;
    std::lock_guard guard(lock_);
    if (files_.count(path) != 0 && readOnly_[path]) return false;
    files_[path] = bytes;
    versions_[path] = nextVersion_++;
    ++writeCount_;
    return true;
}

void MemoryFileSystem::RemoveStaleTemporaries(const std::string& path) {
    std::lock_guard guard(lock_);
    const auto slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    for (auto it = files_.begin(); it != files_.end();) {
        const bool stale = it->first.compare(0, folder.size(), folder) == 0 &&
                           IsSaveTemporaryOf(std::string_view(it->first).substr(folder.size()), name);
        it = stale ? files_.erase(it) : std::next(it);
    }
}

void MemoryFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    std::lock_guard guard(lock_);
    readOnly_[path] = readOnly;
}

void MemoryFileSystem::SetFile(const std::string& path, std::string bytes) {
    std::lock_guard guard(lock_);
    files_[path] = std::move(bytes);
    versions_[path] = nextVersion_++;
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
    versions_[path] = nextVersion_++;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
    std::lock_guard guard(lock_);
    std::vector<std::string> paths;
    for (const auto& [path, bytes] : files_) paths.push_back(path);
    return paths;
}

}  // namespace vx::platform::testing
