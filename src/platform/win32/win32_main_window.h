#pragma once
// The real main window: a modal dialog from template 102 whose messages are
// turned into platform::WindowEvents calls.
#include "platform/win32/windows_api.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/diagnostics.h"
#include "platform/drawing.h"
#include "platform/portable/posted_work.h"
#include "platform/portable/startup_trace.h"
#include "platform/window.h"

namespace vx::platform {

class Win32EditorControls;

// How the window first appears: shown, or only as the tray icon (the
// start-with-Windows entry), until the user shows it from the tray.
enum class StartVisibility { Shown, TrayOnly };


class Win32MainWindow final : public MainWindow {
public:
    // A hook that sees every message before the built-in routing. It returns
    // true when it handled the message; `result` is then the dialog's answer.
    using MessageHook = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT& result)>;

    explicit Win32MainWindow(StartVisibility startVisibility = StartVisibility::Shown);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // A GDI drawing over the paint being handled, made on first use and
    // gone when the paint ends.
    Drawing* PaintDrawing() override;
    void MessageBox(const std::string& text, const std::string& caption) override;
    std::string LoadResourceString(int id) override;
    void AppendSystemMenuItem(const std::string& text, SystemCommand command) override;
    void SetLargeIcon(int iconResourceId) override;
    void SetTitle(const std::string& title) override;
    FontHandle CreateFont(const FontSpec& fontSpec) override;
    void SetShape(const Region& region, int width, int height) override;
    void Invalidate() override;
    void InvalidateRegion(const Region& region) override;
    void UpdateNow() override;
    void PostRepaint() override;
    void Show(ShowCommand command) override;
    void BeginDrag(Point clientPoint) override;
    void PostSystemCommand(SystemCommand command, Point point) override;
    std::optional<std::string> ChooseFile(const FileDialogSpec& request) override;
    Rect ScreenRect() override;
    std::unique_ptr<PopupWindow> CreatePopup(PopupTemplate kind, PopupEvents& events, PopupWindow* owner) override;
    int RunModalPopup(PopupTemplate kind, PopupEvents& events) override;
    void Post(std::function<void()> task) override;
    void ShowAboutBox() override;
    std::unique_ptr<Menu> LoadMenu(int resourceId) override;
    void ShowTrayMenu(Menu& menu) override;
    void ShowContextMenu(Menu& menu, Point screenPoint) override;
    Point CursorScreenPos() override;
    MacroEditorControls& EditorControls() override;
    bool InstallRecordingHook() override;
    void RemoveRecordingHook() override;
    void AddTrayIcon() override;
    void RemoveTrayIcon() override;
    void ShowNotice(const std::string& text) override;
    bool RegisterHotkey(int id, const Hotkey& hotkey) override;
    void SetTrayTip(const std::string& tip) override;
    bool StartsInTray() override { return startVisibility_ == StartVisibility::TrayOnly; }
    void Destroy() override;
    bool Exists() override;
    void RunModal(WindowEvents& events) override;

    // Thread-safe: ends up as OnDeviceRemoved({true, path}) on the interface
    // thread. Dropped when the window does not exist.
    void PostDeviceRemoval(std::string path);
    // Thread-safe: ends up as OnDeviceArrived({true, path}) on the interface
    // thread (the simulated mouse's plug-in).
    void PostDeviceArrival(std::string path);
    // The start-up trace ends with the window's first paint.
    void SetStartupTrace(StartupTrace* trace) { startupTrace_ = trace; }
    // Where a notice the tray refused goes on record.
    void UseDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

    // The window handle (null before RunModal creates it and after it ends).
    HWND Handle() const { return hwnd_.load(); }
    // The device context of the WM_PAINT being handled, null outside it.
    HDC PaintDc() const { return paintDc_; }
    void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }

    // The executable's file name without folder and extension.
    static std::string ApplicationName();

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static INT_PTR Answer(HWND hwnd, LRESULT result);
    static LRESULT CALLBACK RecordingHookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam);
    bool FilterMessage(const MSG& message);
    INT_PTR HandleOwnerDrawnMenu(HWND hwnd, UINT msg, LPARAM lParam);
    INT_PTR ControlColor(HWND hwnd, HDC dc);
    void ShowFirstSubmenu(Menu& menu, Point screenPoint, UINT buttonFlag);
    void HoldBackShow(UINT msg, LPARAM lParam);

    // A modal dialog is shown by the dialog manager twice on its own: when it
    // is created (its template is visible) and when its message loop first
    // runs dry. Starting in the tray, both are held back; the hold ends with
    // the second, or earlier with the first show the program asks for.
    enum class ShowHold { Off, UntilLoopRuns, LastAutomaticShow };

    StartVisibility startVisibility_;
    ShowHold showHold_ = ShowHold::Off;
    HINSTANCE instance_;
    HICON icon_;
    std::atomic<HWND> hwnd_{nullptr};
    bool destroyed_ = false;
    WindowEvents* events_ = nullptr;
    StartupTrace* startupTrace_ = nullptr;
    Diagnostics* diagnostics_ = nullptr;
    HDC paintDc_ = nullptr;
    std::unique_ptr<Drawing> paintDrawing_;
    MessageHook hook_;
    std::unique_ptr<Win32EditorControls> controls_;
    HHOOK recordingHook_ = nullptr;
    HHOOK messageFilter_ = nullptr;
    std::vector<HFONT> fonts_;
    std::wstring trayTip_;

    PostedWork work_;
};

}  // namespace vx::platform
