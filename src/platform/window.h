#pragma once
// The main window as the logic sees it. The backend owns the real window and
// forwards its messages to the logic; the logic calls back through this.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/color.h"
#include "platform/controls.h"
#include "platform/file_dialog.h"
#include "platform/geometry.h"
#include "platform/hid.h"
#include "platform/input_events.h"
#include "platform/menu.h"
#include "platform/message_sink.h"
#include "platform/popup.h"
#include "platform/system_events.h"

namespace vx::platform {

using FontHandle = std::intptr_t;

// How the advanced page's child controls are drawn.
struct ControlColors {
    FontHandle font = 0;
    Color text;
    Color background;
};


struct FontSpec {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 400;
    bool fixedPitchRoman = false;  // fixed pitch, Roman family, character precision
};

enum class ShowCommand { Show, Hide, Minimize, Restore };

struct DeviceNotification;

// The logic's side of the main window: the backend turns window messages
// into these calls, on the interface thread.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // Start-up sequence; the window is shown after it returns, unless it
    // was destroyed meanwhile.
    virtual void OnInitDialog() = 0;
    virtual void OnCloseRequest() {}
    // Returns true when handled; false asks for the default processing.
    virtual bool OnSystemCommand(SystemCommand /*command*/) { return false; }
    virtual void OnCommand(int /*commandId*/) {}
    // A button of the pointer on the tray icon (its position is not used).
    virtual long OnTrayCallback(int /*iconId*/, PointerEvent /*event*/) { return 0; }
    virtual void OnDeviceRemoved(const DeviceNotification& /*notification*/) {}
    // A HID interface arrived (after Subsystems::WatchForMouse's registration).
    virtual void OnDeviceArrived(const DeviceNotification& /*notification*/) {}
    // Every power event sends the configuration again.
    virtual void OnPowerEvent(PowerEvent /*event*/) {}
    // Every pointer event over the window; the default hands moves, left
    // presses and left releases on.
    virtual void OnPointer(const PointerEvent& event) { DispatchPointer(*this, event); }
    virtual void OnMouseMove(Point /*p*/) {}
    virtual void OnLeftButtonDown(Point /*p*/) {}
    virtual void OnLeftButtonUp(Point /*p*/) {}
    virtual void OnPaint() {}
    // A repaint asked for from a worker thread, now on the interface thread.
    virtual void OnRepaintRequest() {}
    // Every key event for the window or its controls, before they or the
    // window's own key handling see it; true consumes it.
    virtual bool OnFilterKey(const KeyEvent& /*event*/) { return false; }
    // A release of the right button anywhere in the window or its controls,
    // before they see it; true consumes it.
    virtual bool OnFilterRightButtonUp() { return false; }
    // A notification from a child control (e.g. a list's selection change).
    virtual void OnControlNotification(int /*controlId*/, int /*code*/) {}
    // The event list's in-place edit ended (committed, cancelled or unchanged).
    virtual void OnEventListEditEnded() {}
    virtual ControlColors OnControlColor() { return {}; }
    // A hotkey registered with MainWindow::RegisterHotkey was pressed.
    virtual void OnHotkey(int /*id*/) {}
    // An owner-drawn menu item, by the item data it was made with.
    virtual MenuItemSize OnMeasureMenuItem(std::uintptr_t /*itemData*/) { return {}; }
    virtual void OnDrawMenuItem(std::uintptr_t /*itemData*/, const Rect& /*rect*/, bool /*selected*/,
                                MenuItemPainter& /*painter*/) {}
};

class Drawing;

class MainWindow : public MessageSink {
public:
    // The drawing surface of the paint being handled (only inside
    // WindowEvents::OnPaint); nothing where the backend cannot draw.
    virtual Drawing* PaintDrawing() { return nullptr; }
    // Modal box with an OK button owned by the main window (or by nothing
    // when it has none yet). An empty caption means the application's name.
    virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
    void ShowMessage(const std::string& text) override { MessageBox(text, ""); }
    virtual std::string LoadResourceString(int id) = 0;
    // Appends a separator, then the item, to the window's system menu.
    virtual void AppendSystemMenuItem(const std::string& text, SystemCommand command) = 0;
    virtual void SetLargeIcon(int iconResourceId) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual FontHandle CreateFont(const FontSpec& fontSpec) = 0;
    // Sizes the client area to width x height and gives the window the
    // region's shape.
    virtual void SetShape(const Region& region, int width, int height) = 0;
    // Repaints the whole window (interface thread), background erased.
    virtual void Invalidate() = 0;
    // Repaints only the region (interface thread), background erased.
    virtual void InvalidateRegion(const Region& /*region*/) { Invalidate(); }
    // Paints what is marked for repainting at once, not from the message loop.
    virtual void UpdateNow() {}
    // Asks for a repaint from any thread.
    virtual void PostRepaint() = 0;
    virtual void Show(ShowCommand command) = 0;
    // Posts the caption button-down at the client point: the window then
    // follows the pointer until the button is released.
    virtual void BeginDrag(Point clientPoint) = 0;
    // Posts a system command with the point; it comes back through
    // WindowEvents::OnSystemCommand, then the system's own handling.
    virtual void PostSystemCommand(SystemCommand command, Point point) = 0;
    // The window's rectangle in screen coordinates.
    virtual Rect ScreenRect() = 0;
    // A hidden modeless popup from `kind`, owned by `owner` (the main window
    // when null); `events` must outlive it.
    virtual std::unique_ptr<PopupWindow> CreatePopup(PopupTemplate kind, PopupEvents& events, PopupWindow* owner) = 0;
    // Runs a popup from `kind` modally, owned by the main window, until its
    // events call EndModal; returns that result.
    virtual int RunModalPopup(PopupTemplate kind, PopupEvents& events) = 0;
    // Runs `task` on the interface thread once the current message is
    // handled (e.g. to destroy the window whose message is being handled).
    virtual void Post(std::function<void()> task) = 0;
    // Runs the common open or save dialog modally; the chosen file's full
    // path (UTF-8), or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogSpec& request) = 0;
    // Modal about box (dialog template 100).
    virtual void ShowAboutBox() = 0;
    // Loads a menu resource; null when there is none.
    virtual std::unique_ptr<Menu> LoadMenu(int resourceId) = 0;
    // Shows the first submenu of the tray menu at the cursor, the window
    // brought to the foreground first; its commands arrive through
    // WindowEvents::OnCommand.
    virtual void ShowTrayMenu(Menu& menu) = 0;
    // Shows the first submenu of `menu` at a screen point, tracking the
    // right button; a chosen command arrives later through OnCommand.
    virtual void ShowContextMenu(Menu& menu, Point screenPoint) = 0;
    virtual Point CursorScreenPos() = 0;
    // The macro editor's controls (the objects last the whole run).
    virtual MacroEditorControls& EditorControls() = 0;
    // A system-wide keyboard hook for recording: every keystroke is kept
    // from the other programs and posted to the main window as a key
    // message instead. False when the system refused it.
    virtual bool InstallRecordingHook() = 0;
    virtual void RemoveRecordingHook() = 0;
    virtual void AddTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;
    // The combination reaches OnHotkey(id) from now on, whichever program
    // has the keyboard. False when the system refused it (another program
    // holds it, or the system has no such thing).
    // They last as long as the window.
    virtual bool RegisterHotkey(int /*id*/, const Hotkey& /*hotkey*/) { return false; }
    // A short notice beside the tray icon or from the desktop, that goes
    // away on its own; nothing where the system has no such thing.
    virtual void ShowNotice(const std::string& /*text*/) {}
    // The tray icon's tooltip, now and when it is added later.
    virtual void SetTrayTip(const std::string& tip) = 0;
    // Whether the program was started to show only its tray icon (--tray,
    // the start with the session).
    virtual bool StartsInTray() = 0;
    // Ends the modal run once the current message is handled.
    virtual void Destroy() = 0;
    virtual bool Exists() = 0;
    // Creates the window (dialog template 102), runs it modally and returns
    // when it has been destroyed.
    virtual void RunModal(WindowEvents& events) = 0;
};

}  // namespace vx::platform
