#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

#include <mmsystem.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vx::platform {
namespace {

// One high-resolution waitable timer per thread, closed when the thread
// ends. Null where the system does not offer high-resolution timers.
class ThreadTimer {
public:
    ThreadTimer()
        : handle_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS)) {}
    ~ThreadTimer() {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    HANDLE handle() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

Win32Clock::Win32Clock() {
    LARGE_INTEGER frequency{};
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) frequency_ = frequency.QuadPart;
}

Win32Clock::~Win32Clock() {
    if (resolutionRaised_) timeEndPeriod(1);
}

std::int64_t Win32Clock::NowMicros() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    // Split to keep the multiplication from overflowing for long uptimes.
    const std::int64_t seconds = counter.QuadPart / frequency_;
    const std::int64_t rest = counter.QuadPart % frequency_;
    return seconds * 1'000'000 + rest * 1'000'000 / frequency_;
}

void Win32Clock::RaiseTimerResolution() {
    std::call_once(resolutionOnce_, [this] { resolutionRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR; });
}

void Win32Clock::SleepMs(int ms) {
    if (ms <= 0) return;
    thread_local ThreadTimer timer;
    if (timer.handle() != nullptr) {
        LARGE_INTEGER due{};
        due.QuadPart = -static_cast<LONGLONG>(ms) * 10'000;  // relative, in 100 ns units
        if (SetWaitableTimer(timer.handle(), &due, 0, nullptr, nullptr, FALSE) &&
            WaitForSingleObject(timer.handle(), INFINITE) == WAIT_OBJECT_0) {
            return;
        }
    }
    RaiseTimerResolution();
    Sleep(static_cast<DWORD>(ms));
}

void Win32Clock::SleepUntilMicros(std::int64_t deadlineMicros) {
    // A timer wait can end up to a tick late; leave that much to the spin.
    constexpr std::int64_t kSpinMicros = 1500;
    for (std::int64_t left = deadlineMicros - NowMicros(); left > kSpinMicros; left = deadlineMicros - NowMicros()) {
        SleepMs(static_cast<int>((left - kSpinMicros) / 1000) + 1);
    }
    while (NowMicros() < deadlineMicros) YieldProcessor();
}

std::int32_t Win32Clock::UtcTimeOfDayMs() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

}  // namespace vx::platform
