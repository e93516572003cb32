#include "platform/qt/linux_foreground_watch.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/linux_desktop.h"

namespace vx::platform {
namespace {

constexpr int kRetryMs = 100;
constexpr int kRetries = 5;

std::uint32_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    if (reply == nullptr) return 0;
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

std::string ExecutableOf(std::uint32_t pid) {
    if (pid == 0) return {};
    std::string path(4096, '\0');
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t length = readlink(link.c_str(), path.data(), path.size() - 1);
    if (length <= 0) return {};
    path.resize(static_cast<std::size_t>(length));
    return path;
}

}  // namespace

LinuxForegroundWatch::LinuxForegroundWatch(Diagnostics& diagnostics) : diagnostics_(diagnostics) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    QObject::connect(&retry_, &QTimer::timeout, [this] { ReadActiveWindow(true); });
    due_.setSingleShot(true);
    // The settle time is half a second: a coarse timer could add 5 % to it.
    due_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&due_, &QTimer::timeout, [this] {
        std::function<void()> call = std::move(dueCall_);
        dueCall_ = nullptr;
        if (call) call();
    });
}

LinuxForegroundWatch::~LinuxForegroundWatch() { Disconnect(); }

ForegroundReach LinuxForegroundWatch::Reach() {
    return ForegroundReachOf(std::getenv("DISPLAY"), std::getenv("XDG_SESSION_TYPE"), std::getenv("WAYLAND_DISPLAY"));
}

bool LinuxForegroundWatch::Connect() {
    if (connection_ != nullptr) return true;
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
    root_ = screens.data->root;
    activeAtom_ = Atom(connection_, "_NET_ACTIVE_WINDOW");
    pidAtom_ = Atom(connection_, "_NET_WM_PID");
    clientListAtom_ = Atom(connection_, "_NET_CLIENT_LIST");
    return true;
}

void LinuxForegroundWatch::Disconnect() {
    notifier_.reset();
    retry_.stop();
    if (connection_ != nullptr) xcb_disconnect(connection_);
    connection_ = nullptr;
}

bool LinuxForegroundWatch::Start(std::function<void(const ForegroundProgram&)> changed) {
    changed_ = std::move(changed);
    if (notifier_ != nullptr) return true;
    if (!Connect()) return false;
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadEvents(); });
    lastWindow_ = WindowProperty(root_, activeAtom_, XCB_ATOM_WINDOW);
    return true;
}

void LinuxForegroundWatch::Stop() {
    changed_ = nullptr;
    Disconnect();
}

void LinuxForegroundWatch::CallAfter(int ms, std::function<void()> due) {
    dueCall_ = std::move(due);
    due_.start(std::max(ms, 1));
}

void LinuxForegroundWatch::CancelCall() {
    due_.stop();
    dueCall_ = nullptr;
}

void LinuxForegroundWatch::ReadEvents() {
    bool activeChanged = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event);
            activeChanged = activeChanged || (property->window == root_ && property->atom == activeAtom_);
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_) != 0) {
        // The display went away: stop listening rather than spin on a
        // socket that stays readable.
        if (!lossReported_) diagnostics_.Report("per-program profiles: the X display connection was lost");
        lossReported_ = true;
        Disconnect();
        return;
    }
    if (activeChanged) ReadActiveWindow(false);
}

std::uint32_t LinuxForegroundWatch::WindowProperty(std::uint32_t window, std::uint32_t property, std::uint32_t type) {
    if (connection_ == nullptr || window == 0 || property == 0) return 0;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection_, xcb_get_property(connection_, 0, window, property, type, 0, 1), nullptr);
    if (reply == nullptr) return 0;
    std::uint32_t value = 0;
    if (reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
        std::memcpy(&value, xcb_get_property_value(reply), sizeof value);
    }
    std::free(reply);
    return value;
}

ForegroundProgram LinuxForegroundWatch::ProgramOf(std::uint32_t window, bool& known) {
    ForegroundProgram program;
    const std::uint32_t pid = WindowProperty(window, pidAtom_, XCB_ATOM_CARDINAL);
    program.path = ExecutableOf(pid);
    program.ownProgram = pid != 0 && pid == static_cast<std::uint32_t>(getpid());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr);
    if (reply != nullptr) {
        // Two strings, each ending in NUL: the instance, then the class.
        const char* data = static_cast<const char*>(xcb_get_property_value(reply));
        const auto length = static_cast<std::size_t>(std::max(xcb_get_property_value_length(reply), 0));
        const std::string both(data, length);
        const std::size_t end = both.find('\0');
        program.windowInstance = both.substr(0, end);
        if (end != std::string::npos) program.windowClass = both.substr(end + 1, both.find('\0', end + 1) - end - 1);
        std::free(reply);
    }
    known = pid != 0 || !program.windowClass.empty() || !program.windowInstance.empty();
    return program;
}

void LinuxForegroundWatch::ReadActiveWindow(bool retry) {
    if (connection_ == nullptr || !changed_) return;
    const std::uint32_t window = WindowProperty(root_, activeAtom_, XCB_ATOM_WINDOW);
    // None in front (e.g. a Wayland window): nothing the rules can use.
    if (window == 0 || (!retry && window == lastWindow_)) return;
    if (!retry) retries_ = 0;
    bool known = false;
    ForegroundProgram program = ProgramOf(window, known);
    if (!known && retries_ < kRetries) {
        // A window just mapped may not carry its properties yet.
        ++retries_;
        retry_.start();
        return;
    }
    retry_.stop();
    lastWindow_ = window;
    changed_(program);
}

std::vector<ForegroundProgram> LinuxForegroundWatch::RunningPrograms() {
    const bool connectedBefore = connection_ != nullptr;
    if (!Connect()) return {};
    std::vector<std::uint32_t> windows;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, clientListAtom_, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    if (reply != nullptr && reply->format == 32) {
        const auto* ids = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        windows.assign(ids, ids + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    std::vector<ForegroundProgram> programs;
    for (std::uint32_t window : windows) {
        bool known = false;
        ForegroundProgram program = ProgramOf(window, known);
        if (!known || program.ownProgram) continue;
        if (std::find(programs.begin(), programs.end(), program) == programs.end()) programs.push_back(program);
    }
    if (!connectedBefore) Disconnect();
    return programs;
}

}  // namespace vx::platform
