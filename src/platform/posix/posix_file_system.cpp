#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <random>
#include <vector>

#include "platform/portable/program_paths.h"
#include "platform/portable/save_temporaries.h"

namespace vx::platform {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the last buffered data reached the file.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteFully(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::uint64_t RandomNumber() {
    thread_local std::mt19937_64 engine{std::random_device{}()};
    return engine();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save must replace: a symbolic link is followed (also one whose
// target is not there yet), so the link stays and its target gets the bytes.
std::string SaveTarget(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::vector<char> link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1);
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return path;
        std::string next(link.data(), static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
    }
    return path;
}

// Read-only as Windows means it (no write permission bit at all), or not
// writable by this user.
bool ReadOnly(const std::string& native, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || ::access(native.c_str(), W_OK) != 0;
}

// Makes the rename itself durable; failure here does not undo the save.
void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

std::string PosixFileSystem::NativePath(const std::string& path) { return ForwardSlashPath(path); }

bool PosixFileSystem::Exists(const std::string& path) {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> PosixFileSystem::ReadAll(const std::string& path) {
    FileDescriptor fd(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::optional<FileStamp> PosixFileSystem::Stamp(const std::string& path) {
    struct stat info {};
    if (::stat(NativePath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    FileStamp stamp;
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changed = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.identity = static_cast<std::uint64_t>(info.st_ino) ^ (static_cast<std::uint64_t>(info.st_dev) << 40);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t nowNs = static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    stamp.recent = nowNs - std::max(stamp.modified, stamp.changed) < 1000000000;
    return stamp;
}

bool PosixFileSystem::IsReadOnly(const std::string& path) {
    const std::string native = NativePath(path);
    struct stat info {};
    return ::stat(native.c_str(), &info) == 0 && ReadOnly(native, info);
}

bool PosixFileSystem::ReplaceAll(const std::string& path, const std::string& bytes) {
    const std::string target = SaveTarget(NativePath(path));
    // A replaced file keeps its permissions; a new one gets the user's
    // default (0666 less the umask).
    std::optional<mode_t> keptMode;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || ReadOnly(target, info)) return false;
        keptMode = info.st_mode & 07777;
    }

    const std::string temp = FolderOf(target) + "/" + SaveTemporaryName(NameOf(target), RandomNumber());
    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) return false;
    const bool written = WriteFully(fd.get(), bytes) && (!keptMode || ::fchmod(fd.get(), *keptMode) == 0) &&
                         ::fsync(fd.get()) == 0 && fd.Close();
    if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

void PosixFileSystem::RemoveStaleTemporaries(const std::string& path) {
    const std::string target = SaveTarget(NativePath(path));
    const std::string folder = FolderOf(target);
    const std::string name = NameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsSaveTemporaryOf(entry->d_name, name)) stale.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& file : stale) {
        const std::string full = folder + "/" + file;
        struct stat info {};
        if (::lstat(full.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(full.c_str());
    }
}

}  // namespace vx::platform
