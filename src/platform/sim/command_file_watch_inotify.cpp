// The command file's watch over inotify: the folder is watched (the file
// may be created, replaced or appended to) and only events naming the file
// wake the waiter; an eventfd ends the wait.
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/sim/command_file_watch.h"

namespace vx::platform::sim {
namespace {

class InotifyWatch final : public CommandFileWatch {
public:
    InotifyWatch(int inotify, int stop, std::string name) : inotify_(inotify), stop_(stop), name_(std::move(name)) {}
    ~InotifyWatch() override {
        close(inotify_);
        close(stop_);
    }
    InotifyWatch(const InotifyWatch&) = delete;
    InotifyWatch& operator=(const InotifyWatch&) = delete;

    bool WaitForChange() override {
        for (;;) {
            std::array<pollfd, 2> fds{pollfd{inotify_, POLLIN, 0}, pollfd{stop_, POLLIN, 0}};
            if (poll(fds.data(), fds.size(), -1) < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            if ((fds[1].revents & POLLIN) != 0) return false;
            if ((fds[0].revents & POLLIN) != 0 && DrainNamesFile()) return true;
        }
    }

    void Stop() override {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(stop_, &one, sizeof one);
    }

private:
    // Reads the queued events; true when one of them is about the file.
    bool DrainNamesFile() {
        alignas(inotify_event) std::array<char, 4096> buffer{};
        bool named = false;
        for (;;) {
            const ssize_t length = read(inotify_, buffer.data(), buffer.size());
            if (length <= 0) return named;
            for (std::size_t at = 0; at < static_cast<std::size_t>(length);) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                // An overflow may have dropped the file's event: look anyway.
                if ((event->mask & IN_Q_OVERFLOW) != 0) named = true;
                if (event->len > 0 && name_ == event->name) named = true;
                at += sizeof(inotify_event) + event->len;
            }
        }
    }

    int inotify_;
    int stop_;
    std::string name_;
};

}  // namespace

std::unique_ptr<CommandFileWatch> WatchCommandFile(const std::filesystem::path& file, std::string& problem) {
    const int inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify < 0) {
        problem = std::string("inotify_init1 failed: ") + std::strerror(errno);
        return nullptr;
    }
    const std::string folder = file.parent_path().empty() ? "." : file.parent_path().string();
    if (inotify_add_watch(inotify, folder.c_str(), IN_CLOSE_WRITE | IN_MODIFY | IN_CREATE | IN_MOVED_TO) < 0) {
        problem = "cannot watch " + folder + ": " + std::strerror(errno);
        close(inotify);
        return nullptr;
    }
    const int stop = eventfd(0, EFD_CLOEXEC);
    if (stop < 0) {
        problem = std::string("eventfd failed: ") + std::strerror(errno);
        close(inotify);
        return nullptr;
    }
    return std::make_unique<InotifyWatch>(inotify, stop, file.filename().string());
}

}  // namespace vx::platform::sim
