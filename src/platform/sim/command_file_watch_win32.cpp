// The command file's watch over the Windows change notifications: the
// folder is read with ReadDirectoryChangesW (overlapped), so only changes
// naming the file wake the waiter (simmouse.log, written beside it on every
// report, does not); an event ends the wait. Built for Windows only.
#include <windows.h>

#include <array>

#include "platform/sim/command_file_watch.h"

namespace vx::platform::sim {
namespace {

constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

std::string LastErrorText(const char* what) { return std::string(what) + " failed, error " + std::to_string(GetLastError()); }

class DirectoryChangeWatch final : public CommandFileWatch {
public:
    DirectoryChangeWatch(HANDLE folder, HANDLE changed, HANDLE stop, std::wstring name)
        : folder_(folder), changed_(changed), stop_(stop), name_(std::move(name)) {
        overlapped_.hEvent = changed_;
    }
    ~DirectoryChangeWatch() override {
        if (armed_) {
            CancelIoEx(folder_, &overlapped_);
            DWORD bytes = 0;
            GetOverlappedResult(folder_, &overlapped_, &bytes, TRUE);
        }
        CloseHandle(folder_);
        CloseHandle(changed_);
        CloseHandle(stop_);
    }
    DirectoryChangeWatch(const DirectoryChangeWatch&) = delete;
    DirectoryChangeWatch& operator=(const DirectoryChangeWatch&) = delete;

    // Starts the next read of the folder's changes; the system keeps the
    // changes made meanwhile for it.
    bool Arm() {
        ResetEvent(changed_);
        armed_ = ReadDirectoryChangesW(folder_, buffer_.data(), static_cast<DWORD>(buffer_.size()), FALSE, kChanges,
                                       nullptr, &overlapped_, nullptr) != FALSE;
        return armed_;
    }

    bool WaitForChange() override {
        const std::array<HANDLE, 2> handles{stop_, changed_};
        for (;;) {
            if (!armed_ && !Arm()) return false;
            const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
            if (woken != WAIT_OBJECT_0 + 1) return false;
            DWORD bytes = 0;
            const bool read = GetOverlappedResult(folder_, &overlapped_, &bytes, FALSE) != FALSE;
            armed_ = false;
            // No bytes: more changes than the buffer held; look anyway.
            const bool named = !read || bytes == 0 || NamesFile(bytes);
            if (named) return true;
        }
    }

    void Stop() override { SetEvent(stop_); }

private:
    bool NamesFile(DWORD bytes) const {
        for (DWORD at = 0; at + sizeof(FILE_NOTIFY_INFORMATION) <= bytes;) {
            const auto* record = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(buffer_.data() + at);
            const int length = static_cast<int>(record->FileNameLength / sizeof(WCHAR));
            if (CompareStringOrdinal(record->FileName, length, name_.c_str(), static_cast<int>(name_.size()), TRUE) ==
                CSTR_EQUAL) {
                return true;
            }
            if (record->NextEntryOffset == 0) break;
            at += record->NextEntryOffset;
        }
        return false;
    }

    HANDLE folder_;
    HANDLE changed_;
    HANDLE stop_;
    std::wstring name_;
    OVERLAPPED overlapped_{};
    bool armed_ = false;
    alignas(DWORD) std::array<std::uint8_t, 4096> buffer_{};
};

}  // namespace

std::unique_ptr<CommandFileWatch> WatchCommandFile(const std::filesystem::path& file, std::string& problem) {
    const std::wstring folder = file.parent_path().empty() ? std::wstring(L".") : file.parent_path().wstring();
    HANDLE handle = CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        problem = LastErrorText("opening the folder");
        return nullptr;
    }
    HANDLE changed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (changed == nullptr || stop == nullptr) {
        problem = LastErrorText("CreateEventW");
        if (changed != nullptr) CloseHandle(changed);
        if (stop != nullptr) CloseHandle(stop);
        CloseHandle(handle);
        return nullptr;
    }
    auto watch = std::make_unique<DirectoryChangeWatch>(handle, changed, stop, file.filename().wstring());
    if (!watch->Arm()) {
        problem = LastErrorText("ReadDirectoryChangesW");
        return nullptr;
    }
    return watch;
}

}  // namespace vx::platform::sim
