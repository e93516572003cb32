#pragma once
// The program in front on Windows: a foreground-change event hook (out of
// context, delivered on the interface thread's message loop) and the
// process image of the new foreground window. No hook while not watching.
// A second hook on focus changes covers systems that move the foreground
// without the foreground event (Wine 8 raises only the focus event); both
// lead to the same question, which window is in front now, and a window
// already reported is not reported again.
#include "platform/win32/windows_api.h"

#include <functional>

#include "platform/foreground_watch.h"

namespace vx::platform {

class Win32ForegroundWatch final : public ForegroundWatch {
public:
    Win32ForegroundWatch() = default;
    ~Win32ForegroundWatch() override;
    Win32ForegroundWatch(const Win32ForegroundWatch&) = delete;
    Win32ForegroundWatch& operator=(const Win32ForegroundWatch&) = delete;

    ForegroundReach Reach() override { return ForegroundReach::EveryProgram; }
    bool Start(std::function<void(const ForegroundProgram&)> changed) override;
    void Stop() override;
    bool Running() override { return hook_ != nullptr; }
    void CallAfter(int ms, std::function<void()> due) override;
    void CancelCall() override;
    std::vector<ForegroundProgram> RunningPrograms() override;

    // The program a window belongs to (its executable's full path).
    static ForegroundProgram ProgramOfWindow(HWND window);

private:
    static void CALLBACK ForegroundChanged(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                           DWORD thread, DWORD time);
    static void CALLBACK TimerDue(HWND, UINT, UINT_PTR id, DWORD);

    void Changed();

    HWINEVENTHOOK hook_ = nullptr;
    HWINEVENTHOOK focusHook_ = nullptr;
    HWND lastForeground_ = nullptr;
    UINT_PTR timer_ = 0;
    std::function<void(const ForegroundProgram&)> changed_;
    std::function<void()> due_;
};

}  // namespace vx::platform
