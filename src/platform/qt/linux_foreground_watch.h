#pragma once
// The program in front on Linux: on X11 the window manager names the
// active window in the root window's _NET_ACTIVE_WINDOW; a connection of
// its own (xcb, whose errors come back as answers instead of ending the
// process) listens for that property's changes, and the window's
// _NET_WM_PID and its class property say which program it is. A window whose
// properties are not set yet is asked again a few times. No connection
// while not watching; on Wayland only the X11 programs' windows are seen.
#include <QSocketNotifier>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/diagnostics.h"
#include "platform/foreground_watch.h"

struct xcb_connection_t;

namespace vx::platform {

class LinuxForegroundWatch final : public ForegroundWatch {
public:
    explicit LinuxForegroundWatch(Diagnostics& diagnostics);
    ~LinuxForegroundWatch() override;
    LinuxForegroundWatch(const LinuxForegroundWatch&) = delete;
    LinuxForegroundWatch& operator=(const LinuxForegroundWatch&) = delete;

    ForegroundReach Reach() override;
    bool Start(std::function<void(const ForegroundProgram&)> changed) override;
    void Stop() override;
    bool Running() override { return notifier_ != nullptr; }
    void CallAfter(int ms, std::function<void()> due) override;
    void CancelCall() override;
    std::vector<ForegroundProgram> RunningPrograms() override;

private:
    bool Connect();
    void Disconnect();
    void ReadEvents();
    void ReadActiveWindow(bool retry);
    std::uint32_t WindowProperty(std::uint32_t window, std::uint32_t property, std::uint32_t type);
    ForegroundProgram ProgramOf(std::uint32_t window, bool& known);

    Diagnostics& diagnostics_;
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint32_t activeAtom_ = 0, pidAtom_ = 0, clientListAtom_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void(const ForegroundProgram&)> changed_;
    std::uint32_t lastWindow_ = 0;
    int retries_ = 0;
    QTimer retry_;
    QTimer due_;
    std::function<void()> dueCall_;
    bool lossReported_ = false;
};

}  // namespace vx::platform
