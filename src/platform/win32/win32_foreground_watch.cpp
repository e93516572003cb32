#include "platform/win32/win32_foreground_watch.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

// The hook and timer callbacks carry no pointer of ours: the one watch of
// the process is found here.
std::atomic<Win32ForegroundWatch*> activeWatch{nullptr};

constexpr DWORD kPathCapacity = 32768;

std::string ImagePath(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return {};
    std::wstring path(kPathCapacity, L'\0');
    DWORD size = kPathCapacity;
    const BOOL got = QueryFullProcessImageNameW(process, 0, path.data(), &size);
    CloseHandle(process);
    if (!got) return {};
    path.resize(size);
    return Narrow(path);
}

}  // namespace

Win32ForegroundWatch::~Win32ForegroundWatch() {
    Stop();
    CancelCall();
    Win32ForegroundWatch* self = this;
    activeWatch.compare_exchange_strong(self, nullptr);
}

ForegroundProgram Win32ForegroundWatch::ProgramOfWindow(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ForegroundProgram program;
    program.ownProgram = processId == GetCurrentProcessId();
    if (processId != 0) program.path = ImagePath(processId);
    return program;
}

bool Win32ForegroundWatch::Start(std::function<void(const ForegroundProgram&)> changed) {
    changed_ = std::move(changed);
    activeWatch.store(this);
    if (hook_ == nullptr) {
        // The program's own windows are skipped at the source.
        hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, ForegroundChanged, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        focusHook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, ForegroundChanged, 0, 0,
                                     WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        lastForeground_ = GetForegroundWindow();
    }
    return hook_ != nullptr;
}

void Win32ForegroundWatch::Stop() {
    if (hook_ != nullptr) UnhookWinEvent(hook_);
    if (focusHook_ != nullptr) UnhookWinEvent(focusHook_);
    hook_ = nullptr;
    focusHook_ = nullptr;
}

void Win32ForegroundWatch::CallAfter(int ms, std::function<void()> due) {
    due_ = std::move(due);
    activeWatch.store(this);
    // A thread timer: its callback runs from the interface thread's loop.
    timer_ = SetTimer(nullptr, timer_, static_cast<UINT>(std::max(ms, 1)), TimerDue);
}

void Win32ForegroundWatch::CancelCall() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    timer_ = 0;
    due_ = nullptr;
}

void CALLBACK Win32ForegroundWatch::ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    Win32ForegroundWatch* self = activeWatch.load();
    if (self != nullptr) self->Changed();
}

void Win32ForegroundWatch::Changed() {
    if (hook_ == nullptr || !changed_) return;
    HWND front = GetForegroundWindow();
    if (front == nullptr || front == lastForeground_) return;
    lastForeground_ = front;
    changed_(ProgramOfWindow(front));
}

void CALLBACK Win32ForegroundWatch::TimerDue(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    Win32ForegroundWatch* self = activeWatch.load();
    if (self == nullptr || self->timer_ != id) return;
    self->timer_ = 0;
    std::function<void()> due = std::move(self->due_);
    self->due_ = nullptr;
    if (due) due();
}

std::vector<ForegroundProgram> Win32ForegroundWatch::RunningPrograms() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
            if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr &&
                (exStyle & WS_EX_TOOLWINDOW) == 0) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::vector<ForegroundProgram> programs;
    for (HWND window : windows) {
        ForegroundProgram program = ProgramOfWindow(window);
        if (program.ownProgram || program.path.empty()) continue;
        const bool known = std::any_of(programs.begin(), programs.end(), [&](const ForegroundProgram& seen) {
            return CompareStringOrdinal(Widen(seen.path).c_str(), -1, Widen(program.path).c_str(), -1, TRUE) ==
                   CSTR_EQUAL;
        });
        if (!known) programs.push_back(std::move(program));
    }
    return programs;
}

}  // namespace vx::platform
