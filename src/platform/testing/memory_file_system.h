#pragma once
// A FileSystem held in a map, for tests. Paths are used exactly as given.
// Reads and writes can be made to fail to exercise the error paths.
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace vx::platform::testing {

class MemoryFileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    bool ReplaceAll(const std::string& path, const std::string& bytes) override;
    // Removes the files whose names SaveTemporaryName makes for the path.
    void RemoveStaleTemporaries(const std::string& path) override;

    void SetFile(const std::string& path, std::string bytes);
    std::optional<std::string> GetFile(const std::string& path) const;
    void RemoveFile(const std::string& path);
    std::vector<std::string> Paths() const;

    // While set, ReplaceAll changes nothing and returns false.
    void SetWritesFail(bool fail) { writesFail_ = fail; }
    // While set, ReadAll returns nothing for files that exist.
    void SetReadsFail(bool fail) { readsFail_ = fail; }
    // A read-only file refuses ReplaceAll until this is called with false.
    void SetReadOnly(const std::string& path, bool readOnly);
    // Successful ReplaceAll calls so far.
    int WriteCount() const { return writeCount_; }

private:
    mutable std::mutex lock_;
    std::map<std::string, std::string> files_;
    std::map<std::string, bool> readOnly_;
    // Every change of a file gets the next number: its stamp.
    std::map<std::string, std::int64_t> versions_;
    std::int64_t nextVersion_ = 1;
    std::atomic<bool> writesFail_{false};
    std::atomic<bool> readsFail_{false};
    std::atomic<int> writeCount_{0};
};

}  // namespace vx::platform::testing
