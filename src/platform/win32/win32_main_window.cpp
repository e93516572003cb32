#include "platform/win32/win32_main_window.h"

#include <dbt.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>

#include "platform/portable/program_paths.h"
#include "platform/product.h"
#include "platform/win32/resources/resource.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_drawing.h"
#include "platform/win32/win32_file_dialog.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_popup.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_region.h"

namespace vx::platform {
namespace {

constexpr UINT kTrayCallbackMessage = WM_USER + 1;  // 0x401
constexpr UINT kTrayIconId = 153;
constexpr UINT kRepaintMessage = WM_APP + 1;
constexpr UINT kPostedTaskMessage = WM_APP + 3;
constexpr UINT kLoopRunningMessage = WM_APP + 4;

// Windows hook procedures get no context: the window whose thread
// installed the hooks is kept here while it runs.
std::atomic<Win32MainWindow*> hookedWindow{nullptr};

Point PointFrom(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

NOTIFYICONDATAW TrayIconData(HWND hwnd, HICON icon, const std::wstring& tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = hwnd;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    // Cut to the room there is, always ended.
    const std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    std::copy_n(tip.begin(), length, data.szTip);
    data.szTip[length] = L'\0';
    return data;
}

INT_PTR CALLBACK AboutBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG: return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(hwnd, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace

Win32MainWindow::Win32MainWindow(StartVisibility startVisibility)
    : startVisibility_(startVisibility),
      instance_(GetModuleHandleW(nullptr)),
      icon_(LoadIconW(instance_, MAKEINTRESOURCEW(IDI_MAIN))),
      controls_(std::make_unique<Win32EditorControls>([this] { return Handle(); })),
      trayTip_(Widen(product::kProductName)) {}

Win32MainWindow::~Win32MainWindow() {
    RemoveRecordingHook();
    for (HFONT font : fonts_) DeleteObject(font);
}

std::string Win32MainWindow::ApplicationName() { return ModuleName(ModulePath()); }

MacroEditorControls& Win32MainWindow::EditorControls() { return *controls_; }

Drawing* Win32MainWindow::PaintDrawing() {
    if (paintDc_ == nullptr) return nullptr;
    if (!paintDrawing_) paintDrawing_ = CreateWin32Drawing(paintDc_, Handle());
    return paintDrawing_.get();
}

void Win32MainWindow::MessageBox(const std::string& text, const std::string& caption) {
    std::wstring title = Widen(caption.empty() ? ApplicationName() : caption);
    MessageBoxW(Exists() ? Handle() : nullptr, Widen(text).c_str(), title.c_str(), MB_OK);
}

std::string Win32MainWindow::LoadResourceString(int id) {
    const wchar_t* resource = nullptr;
    // A zero buffer size returns a read-only pointer into the resource itself.
    int length = LoadStringW(instance_, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || resource == nullptr) return {};
    return Narrow(std::wstring_view(resource, static_cast<std::size_t>(length)));
}

void Win32MainWindow::AppendSystemMenuItem(const std::string& text, SystemCommand command) {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(SystemCommandValue(command)), Widen(text).c_str());
}

void Win32MainWindow::SetLargeIcon(int iconResourceId) {
    HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(iconResourceId));
    if (icon == nullptr) return;
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void Win32MainWindow::SetTitle(const std::string& title) { SetWindowTextW(Handle(), Widen(title).c_str()); }

FontHandle Win32MainWindow::CreateFont(const FontSpec& fontSpec) {
    const DWORD outPrecision = fontSpec.fixedPitchRoman ? OUT_CHARACTER_PRECIS : OUT_DEFAULT_PRECIS;
    const DWORD clipPrecision = fontSpec.fixedPitchRoman ? CLIP_CHARACTER_PRECIS : CLIP_DEFAULT_PRECIS;
    const DWORD pitchFamily = fontSpec.fixedPitchRoman ? (FIXED_PITCH | FF_ROMAN) : (DEFAULT_PITCH | FF_SWISS);
    HFONT font = CreateFontW(fontSpec.height, fontSpec.width, 0, 0, fontSpec.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             outPrecision, clipPrecision, DEFAULT_QUALITY, pitchFamily, Widen(fontSpec.face).c_str());
    if (font == nullptr) return 0;
    fonts_.push_back(font);
    return reinterpret_cast<FontHandle>(font);
}

void Win32MainWindow::SetShape(const Region& region, int width, int height) {
    HWND hwnd = Handle();
    if (hwnd == nullptr || width <= 0 || height <= 0) return;
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN shape = CreateRegionFromRects(region);
    if (shape == nullptr) return;
    // The window owns the region from here on.
    if (SetWindowRgn(hwnd, shape, TRUE) == 0) DeleteObject(shape);
}

void Win32MainWindow::InvalidateRegion(const Region& region) {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    HRGN area = CreateRegionFromRects(region);
    if (area == nullptr) return;
    InvalidateRgn(hwnd, area, TRUE);
    DeleteObject(area);
}

void Win32MainWindow::UpdateNow() {
    if (HWND hwnd = Handle()) UpdateWindow(hwnd);
}

void Win32MainWindow::Invalidate() {
    if (HWND hwnd = Handle()) InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32MainWindow::PostRepaint() {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    if (work_.RequestRepaint() && !PostMessageW(hwnd, kRepaintMessage, 0, 0)) work_.TakeRepaint();
}

void Win32MainWindow::Show(ShowCommand command) {
    if (command == ShowCommand::Show || command == ShowCommand::Restore) showHold_ = ShowHold::Off;
    int show = SW_SHOW;
    switch (command) {
        case ShowCommand::Show: show = SW_SHOW; break;
        case ShowCommand::Hide: show = SW_HIDE; break;
        case ShowCommand::Minimize: show = SW_MINIMIZE; break;
        case ShowCommand::Restore: show = SW_RESTORE; break;
    }
    if (HWND hwnd = Handle()) ShowWindow(hwnd, show);
}

void Win32MainWindow::BeginDrag(Point clientPoint) {
    if (HWND hwnd = Handle()) PostMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(clientPoint.x, clientPoint.y));
}

void Win32MainWindow::PostSystemCommand(SystemCommand command, Point point) {
    if (HWND hwnd = Handle()) {
        PostMessageW(hwnd, WM_SYSCOMMAND, SystemCommandValue(command), MAKELPARAM(point.x, point.y));
    }
}

std::optional<std::string> Win32MainWindow::ChooseFile(const FileDialogSpec& request) {
    std::optional<std::string> chosen = RunFileDialog(Handle(), request);
    // The program ended while the dialog was open: nothing is to be written.
    if (!Exists()) return std::nullopt;
    return chosen;
}

Rect Win32MainWindow::ScreenRect() {
    RECT r{};
    if (HWND hwnd = Handle()) GetWindowRect(hwnd, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

std::unique_ptr<PopupWindow> Win32MainWindow::CreatePopup(PopupTemplate kind, PopupEvents& events, PopupWindow* owner) {
    HWND ownerHandle = owner != nullptr ? HandleOfPopup(*owner) : nullptr;
    return CreateWin32Popup(instance_, kind, events, ownerHandle != nullptr ? ownerHandle : Handle());
}

int Win32MainWindow::RunModalPopup(PopupTemplate kind, PopupEvents& events) {
    return RunWin32ModalPopup(instance_, kind, events, Handle());
}

void Win32MainWindow::Post(std::function<void()> task) {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    if (work_.Post(std::move(task)) && !PostMessageW(hwnd, kPostedTaskMessage, 0, 0)) work_.ForgetWakeUp();
}

void Win32MainWindow::ShowAboutBox() {
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUTBOX), Handle(), AboutBoxProc, 0);
}

std::unique_ptr<Menu> Win32MainWindow::LoadMenu(int resourceId) {
    const std::optional<MenuNode> table = MenuResource(resourceId);
    if (!table) return nullptr;
    HMENU menu = CreateMenuFromTable(*table);
    if (menu == nullptr) return nullptr;
    return std::make_unique<Win32Menu>(menu, true);
}

void Win32MainWindow::ShowFirstSubmenu(Menu& menu, Point screenPoint, UINT buttonFlag) {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    HMENU popup = GetSubMenu(static_cast<Win32Menu&>(menu).Handle(), 0);
    if (popup == nullptr) return;
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | buttonFlag, screenPoint.x, screenPoint.y, 0, hwnd, nullptr);
}

void Win32MainWindow::ShowTrayMenu(Menu& menu) {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    // Without the foreground the menu would not close when the user clicks
    // elsewhere.
    SetForegroundWindow(hwnd);
    ShowFirstSubmenu(menu, CursorScreenPos(), TPM_LEFTBUTTON);
    PostMessageW(hwnd, WM_NULL, 0, 0);
}

void Win32MainWindow::ShowContextMenu(Menu& menu, Point screenPoint) {
    ShowFirstSubmenu(menu, screenPoint, TPM_RIGHTBUTTON);
}

Point Win32MainWindow::CursorScreenPos() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return Point{cursor.x, cursor.y};
}

bool Win32MainWindow::InstallRecordingHook() {
    if (recordingHook_ == nullptr) {
        recordingHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, RecordingHookProc, GetModuleHandleW(nullptr), 0);
    }
    return recordingHook_ != nullptr;
}

void Win32MainWindow::RemoveRecordingHook() {
    if (recordingHook_ == nullptr) return;
    UnhookWindowsHookEx(recordingHook_);
    recordingHook_ = nullptr;
}

LRESULT CALLBACK Win32MainWindow::RecordingHookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Every keystroke is kept from the other programs while recording; the
    // main window gets it as a key message instead.
    if (code < 0) return 1;
    Win32MainWindow* self = hookedWindow.load();
    HWND target = self != nullptr ? self->Handle() : nullptr;
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (target != nullptr && key != nullptr) PostMessageW(target, static_cast<UINT>(wParam), key->vkCode, 0);
    return 1;
}

LRESULT CALLBACK Win32MainWindow::MessageFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    // The dialog's own message loop asks here before it handles a message.
    if (code == MSGF_DIALOGBOX && lParam != 0) {
        Win32MainWindow* self = hookedWindow.load();
        if (self != nullptr && self->FilterMessage(*reinterpret_cast<const MSG*>(lParam))) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool Win32MainWindow::FilterMessage(const MSG& message) {
    HWND main = Handle();
    if (main == nullptr || destroyed_ || events_ == nullptr) return false;
    // Message boxes and popups run loops of their own and keep their keys.
    if (message.hwnd != main && !IsChild(main, message.hwnd)) return false;
    if (message.message == WM_RBUTTONUP) return events_->OnFilterRightButtonUp();
    const std::optional<KeyEvent> key = KeyEventOf(message.message, message.wParam, message.lParam);
    if (!key) return false;
    controls_->ObserveKey(message.hwnd, *key);
    return events_->OnFilterKey(*key);
}

INT_PTR Win32MainWindow::HandleOwnerDrawnMenu(HWND hwnd, UINT msg, LPARAM lParam) {
    if (msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU) return FALSE;
        const MenuItemSize size = events_->OnMeasureMenuItem(static_cast<std::uintptr_t>(measure->itemData));
        measure->itemWidth = static_cast<UINT>(size.width);
        measure->itemHeight = static_cast<UINT>(size.height);
        return Answer(hwnd, TRUE);
    }
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_MENU || draw->itemData == 0) return FALSE;
    Win32MenuItemPainter painter(draw->hDC);
    const Rect rect{draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom};
    events_->OnDrawMenuItem(static_cast<std::uintptr_t>(draw->itemData), rect, (draw->itemState & ODS_SELECTED) != 0,
                            painter);
    // The item draws its own submenu arrow: the system's, drawn after this
    // into the same surface, must not land on it.
    ExcludeClipRect(draw->hDC, draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom);
    return Answer(hwnd, TRUE);
}

INT_PTR Win32MainWindow::ControlColor(HWND control, HDC dc) {
    HWND main = Handle();
    if (main == nullptr || !IsChild(main, control)) return FALSE;
    const ControlColors colors = events_->OnControlColor();
    if (colors.font != 0) SelectObject(dc, reinterpret_cast<HFONT>(colors.font));
    SetBkColor(dc, RGB(colors.background.red, colors.background.green, colors.background.blue));
    SetTextColor(dc, RGB(colors.text.red, colors.text.green, colors.text.blue));
    return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
}

void Win32MainWindow::AddTrayIcon() {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    NOTIFYICONDATAW data = TrayIconData(hwnd, icon_, trayTip_);
    Shell_NotifyIconW(NIM_ADD, &data);
}

void Win32MainWindow::SetTrayTip(const std::string& tip) {
    trayTip_ = Widen(tip);
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    // Fails without effect while there is no icon; AddTrayIcon uses the tip.
    NOTIFYICONDATAW data = TrayIconData(hwnd, icon_, trayTip_);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Win32MainWindow::RemoveTrayIcon() {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    NOTIFYICONDATAW data = TrayIconData(hwnd, icon_, trayTip_);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

bool Win32MainWindow::RegisterHotkey(int id, const Hotkey& hotkey) {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return false;
    // Held down, a combination would switch again and again.
    UINT modifiers = MOD_NOREPEAT;
    if (hotkey.control) modifiers |= MOD_CONTROL;
    if (hotkey.alt) modifiers |= MOD_ALT;
    if (hotkey.shift) modifiers |= MOD_SHIFT;
    if (hotkey.super) modifiers |= MOD_WIN;
    // The system lets go of it when the window is destroyed.
    return RegisterHotKey(hwnd, id, modifiers, static_cast<UINT>(hotkey.key)) != FALSE;
}

void Win32MainWindow::ShowNotice(const std::string& text) {
    HWND hwnd = Handle();
    if (hwnd == nullptr) return;
    NOTIFYICONDATAW data = TrayIconData(hwnd, icon_, trayTip_);
    // The balloon only: the icon, its menu and tip stay as they are.
    data.uFlags = NIF_INFO;
    const std::wstring wide = Widen(text).substr(0, std::size(data.szInfo) - 1);
    std::copy(wide.begin(), wide.end(), data.szInfo);
    const std::wstring title = Widen(product::kProductName).substr(0, std::size(data.szInfoTitle) - 1);
    std::copy(title.begin(), title.end(), data.szInfoTitle);
    data.dwInfoFlags = NIIF_INFO;
    if (!Shell_NotifyIconW(NIM_MODIFY, &data) && diagnostics_ != nullptr) {
        diagnostics_->Report("notice not shown (the tray refused it): " + text);
    }
}

void Win32MainWindow::Destroy() {
    HWND hwnd = Handle();
    if (hwnd == nullptr || destroyed_) return;
    destroyed_ = true;
    // The program is ending: a dialog of its own still open (a file dialog,
    // a message box, the warning) is cancelled at once, so that its loop
    // returns and the main window's can end.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM owner) -> BOOL {
            if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner))
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(hwnd));
    // A modal dialog ends through EndDialog; the dialog manager destroys the
    // window once the current message is done (also inside WM_INITDIALOG).
    EndDialog(hwnd, 0);
}

bool Win32MainWindow::Exists() { return Handle() != nullptr && !destroyed_; }

void Win32MainWindow::RunModal(WindowEvents& events) {
    events_ = &events;
    destroyed_ = false;
    showHold_ = startVisibility_ == StartVisibility::TrayOnly ? ShowHold::UntilLoopRuns : ShowHold::Off;
    hookedWindow = this;
    messageFilter_ = SetWindowsHookExW(WH_MSGFILTER, MessageFilterProc, nullptr, GetCurrentThreadId());
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    if (messageFilter_ != nullptr) UnhookWindowsHookEx(messageFilter_);
    messageFilter_ = nullptr;
    RemoveRecordingHook();
    hookedWindow = nullptr;
    hwnd_ = nullptr;
    events_ = nullptr;
}

void Win32MainWindow::PostDeviceRemoval(std::string path) {
    Post([this, path = std::move(path)] {
        if (Exists()) events_->OnDeviceRemoved(DeviceNotification{true, path});
    });
}

void Win32MainWindow::PostDeviceArrival(std::string path) {
    Post([this, path = std::move(path)] {
        if (Exists()) events_->OnDeviceArrived(DeviceNotification{true, path});
    });
}

INT_PTR CALLBACK Win32MainWindow::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr || self->events_ == nullptr) return FALSE;
    const INT_PTR answer = self->HandleMessage(hwnd, msg, wParam, lParam);
    // Posted only once start-up is done: a message box during start-up runs
    // a message loop of its own.
    if (msg == WM_INITDIALOG && self->showHold_ != ShowHold::Off) PostMessageW(hwnd, kLoopRunningMessage, 0, 0);
    return answer;
}

INT_PTR Win32MainWindow::Answer(HWND hwnd, LRESULT result) {
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void Win32MainWindow::HoldBackShow(UINT msg, LPARAM lParam) {
    if (showHold_ == ShowHold::Off) return;
    if (msg == kLoopRunningMessage) {
        // The modal loop runs; the next show it makes on its own is its last.
        if (showHold_ == ShowHold::UntilLoopRuns) showHold_ = ShowHold::LastAutomaticShow;
    } else if (msg == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if ((position->flags & SWP_SHOWWINDOW) == 0) return;
        position->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
        if (showHold_ == ShowHold::LastAutomaticShow) showHold_ = ShowHold::Off;
    }
}

INT_PTR Win32MainWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) hwnd_ = hwnd;
    HoldBackShow(msg, lParam);
    if (msg == kLoopRunningMessage) return TRUE;

    if (hook_) {
        LRESULT result = 0;
        if (hook_(hwnd, msg, wParam, lParam, result)) {
            // Messages whose answer is the dialog procedure's own return value.
            if (msg == WM_INITDIALOG || msg == WM_QUERYDRAGICON ||
                (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)) {
                return static_cast<INT_PTR>(result);
            }
            return Answer(hwnd, result);
        }
    }

    switch (msg) {
        case WM_INITDIALOG: events_->OnInitDialog(); return TRUE;
        case WM_CLOSE: events_->OnCloseRequest(); return TRUE;
        case WM_SYSCOMMAND: {
            const std::optional<SystemCommand> command = SystemCommandOf(wParam);
            return command && events_->OnSystemCommand(*command) ? TRUE : FALSE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (lParam != 0) {
                events_->OnControlNotification(id, HIWORD(wParam));
            } else if (id != IDOK && id != IDCANCEL) {
                // Enter and Escape arrive as IDOK / IDCANCEL; the window must not close on them.
                events_->OnCommand(id);
            }
            return TRUE;
        }
        case WM_MEASUREITEM:
        case WM_DRAWITEM: return HandleOwnerDrawnMenu(hwnd, msg, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: return ControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        case kEventListEditEndedMessage: events_->OnEventListEditEnded(); return Answer(hwnd, 0);
        case WM_DESTROY:
            // Keys must never stay captured, whichever way the window ends.
            RemoveRecordingHook();
            controls_->Destroy();
            return FALSE;
        case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(icon_);
        case kTrayCallbackMessage:
            return Answer(hwnd, events_->OnTrayCallback(
                                    static_cast<int>(wParam),
                                    PointerEventOf(static_cast<UINT>(lParam), Point{}).value_or(PointerEvent{})));
        case WM_DEVICECHANGE:
            if ((wParam == DBT_DEVICEREMOVECOMPLETE || wParam == DBT_DEVICEARRIVAL) && lParam != 0) {
                const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
                DeviceNotification notification;
                notification.isDeviceInterface = header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE;
                if (notification.isDeviceInterface) {
                    const auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
                    notification.interfacePath = Narrow(iface->dbcc_name);
                }
                if (wParam == DBT_DEVICEARRIVAL) {
                    events_->OnDeviceArrived(notification);
                } else {
                    events_->OnDeviceRemoved(notification);
                }
            }
            return Answer(hwnd, TRUE);
        case WM_POWERBROADCAST:
            events_->OnPowerEvent(wParam == PBT_APMSUSPEND ? PowerEvent::Suspend : PowerEvent::Resume);
            return FALSE;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP: events_->OnPointer(*PointerEventOf(msg, PointFrom(lParam))); return FALSE;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            paintDc_ = BeginPaint(hwnd, &paint);
            events_->OnPaint();
            paintDrawing_.reset();
            paintDc_ = nullptr;
            EndPaint(hwnd, &paint);
            if (startupTrace_ != nullptr && IsWindowVisible(hwnd)) {
                startupTrace_->Finish("first paint of the shown window");
                startupTrace_ = nullptr;
            }
            return TRUE;
        }
        case WM_ERASEBKGND:
            // The paint covers the whole window; skipping the erase avoids flicker.
            return Answer(hwnd, TRUE);
        case kRepaintMessage:
            if (work_.TakeRepaint()) events_->OnRepaintRequest();
            return TRUE;
        case kPostedTaskMessage: work_.RunTasks(); return TRUE;
        case WM_HOTKEY: events_->OnHotkey(static_cast<int>(wParam)); return TRUE;
        default: return FALSE;
    }
}

}  // namespace vx::platform
