#pragma once
// The main window on Linux: a frameless top-level QWidget shaped by the
// core's region, whose events become platform::WindowEvents calls, run in
// its own event loop the way the Windows dialog runs modally.
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/diagnostics.h"
#include "platform/drawing.h"
#include "platform/portable/posted_work.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_drawing.h"
#include "platform/qt/x11_hotkeys.h"
#include "platform/portable/startup_trace.h"
#include "platform/window.h"

namespace vx::platform {

// How the window first appears: shown, or only as the tray icon (the
// autostart entry, --tray), until the user shows it from the tray.
enum class StartVisibility { Shown, TrayOnly };

class QtMainWindow final : public MainWindow {
public:
    QtMainWindow(StartVisibility startVisibility, QIcon icon);
    ~QtMainWindow() override;
    QtMainWindow(const QtMainWindow&) = delete;
    QtMainWindow& operator=(const QtMainWindow&) = delete;

    Drawing* PaintDrawing() override { return paintDrawing_.get(); }
    void MessageBox(const std::string& text, const std::string& caption) override;
    std::string LoadResourceString(int id) override;
    void AppendSystemMenuItem(const std::string& text, SystemCommand command) override;
    void SetLargeIcon(int iconResourceId) override;
    void SetTitle(const std::string& title) override;
    FontHandle CreateFont(const FontSpec& fontSpec) override { return fonts_.Add(fontSpec); }
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
    MacroEditorControls& EditorControls() override { return controls_; }
    bool InstallRecordingHook() override;
    void RemoveRecordingHook() override;
    void AddTrayIcon() override;
    void RemoveTrayIcon() override;
    bool RegisterHotkey(int id, const Hotkey& hotkey) override;
    void ShowNotice(const std::string& text) override;
    // Where a notice the desktop refused goes on record.
    void UseDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }
    void SetTrayTip(const std::string& tip) override;
    bool StartsInTray() override { return startVisibility_ == StartVisibility::TrayOnly; }
    void Destroy() override;
    bool Exists() override { return surface_ != nullptr && !destroyed_; }
    void RunModal(WindowEvents& events) override;

    // Thread-safe: ends up as OnDeviceRemoved({true, path}) on the
    // interface thread; dropped when the window does not exist.
    void PostDeviceRemoval(std::string path);
    // Thread-safe: ends up as OnDeviceArrived({true, path}) on the
    // interface thread; dropped when the window does not exist.
    void PostDeviceArrival(std::string path);
    // Thread-safe: ends up as OnPowerEvent(event) on the interface thread.
    void PostPowerEvent(PowerEvent event);
    // The start-up trace ends with the window's first paint.
    void SetStartupTrace(StartupTrace* trace) { startupTrace_ = trace; }
    // Another start of the program asks for the window with this title.
    void RestoreFromOtherInstance(const std::string& title);

private:
    class Surface;
    class KeyFilter;

    void Paint(QPainter& painter);
    // The Windows window menu: minimise, close and what the core appended.
    void ShowSystemMenu();
    void RunSystemCommand(SystemCommand command);

    StartVisibility startVisibility_;
    QIcon icon_;
    // Lives as long as this object, on the interface thread: queued calls
    // from the workers land here even while no window exists.
    QObject dispatcher_;
    // The Surface while the window runs.
    QPointer<QWidget> surface_;
    std::unique_ptr<KeyFilter> keyFilter_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<X11Hotkeys> hotkeys_;
    Diagnostics* diagnostics_ = nullptr;
    QEventLoop loop_;
    WindowEvents* events_ = nullptr;
    StartupTrace* startupTrace_ = nullptr;
    bool destroyed_ = false;
    bool recording_ = false;
    std::string title_;
    QString trayTip_;
    QtFonts fonts_;
    QtEditorControls controls_;
    std::unique_ptr<Drawing> paintDrawing_;
    std::atomic<bool> alive_{false};
    PostedWork work_;
    // The manual drag, where the desktop offers no move of its own.
    bool dragging_ = false;
    QPoint dragOffset_;
    std::vector<std::pair<std::string, SystemCommand>> systemMenuItems_;
};

}  // namespace vx::platform
