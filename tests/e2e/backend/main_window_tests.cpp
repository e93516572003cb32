// The real main window under Wine: message routing into WindowEvents, the
// thread-safe posts, the shape and the resources it relies on.
#include "platform/win32/win32_main_window.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <thread>
#include <vector>

namespace vx::platform {
namespace {

constexpr UINT kTrayCallback = WM_USER + 1;

// Records every event; the test's script runs inside OnInitDialog, when the
// window exists, and ends the run by destroying it.
class RecordingEvents : public WindowEvents {
public:
    std::function<void()> script;
    std::function<void()> onRepaint;
    std::function<void(const DeviceNotification&)> onRemoved;
    std::function<void(int)> onCommand;
    std::function<void()> onPaint;
    int initCount = 0;
    int closeCount = 0;
    int repaintCount = 0;
    std::vector<SystemCommand> systemCommands;
    std::vector<int> commands;
    std::vector<std::pair<int, PointerEvent>> trayEvents;
    std::vector<DeviceNotification> removals;
    std::vector<DeviceNotification> arrivals;
    std::vector<Point> moves, downs, ups;
    long trayAnswer = 0;
    bool handleSystemCommands = true;

    void OnInitDialog() override {
        ++initCount;
        if (script) script();
    }
    void OnCloseRequest() override { ++closeCount; }
    bool OnSystemCommand(SystemCommand command) override {
        systemCommands.push_back(command);
        return handleSystemCommands;
    }
    void OnCommand(int id) override {
        commands.push_back(id);
        if (onCommand) onCommand(id);
    }
    long OnTrayCallback(int iconId, PointerEvent event) override {
        trayEvents.emplace_back(iconId, event);
        return trayAnswer;
    }
    void OnDeviceRemoved(const DeviceNotification& notification) override {
        removals.push_back(notification);
        if (onRemoved) onRemoved(notification);
    }
    void OnDeviceArrived(const DeviceNotification& notification) override { arrivals.push_back(notification); }
    void OnPaint() override {
        if (onPaint) onPaint();
    }
    void OnMouseMove(Point p) override { moves.push_back(p); }
    void OnLeftButtonDown(Point p) override { downs.push_back(p); }
    void OnLeftButtonUp(Point p) override { ups.push_back(p); }
    void OnRepaintRequest() override {
        ++repaintCount;
        if (onRepaint) onRepaint();
    }
};

LPARAM PackPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

TEST(Win32MainWindow, RoutesWindowMessagesToEvents) {
    Win32MainWindow window;
    RecordingEvents events;
    events.trayAnswer = 7;
    LRESULT trayResult = 0, eraseResult = 0, commandOk = 0;
    bool existedAfterClose = false;
    events.script = [&] {
        HWND hwnd = window.Handle();
        ASSERT_NE(hwnd, nullptr);
        SendMessageW(hwnd, WM_SYSCOMMAND, 0x10 | 0x3, 0);  // low four bits ignored
        commandOk = SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
        SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(32801, 0), 0);
        trayResult = SendMessageW(hwnd, kTrayCallback, 153, WM_LBUTTONDBLCLK);
        SendMessageW(hwnd, kTrayCallback, 99, WM_RBUTTONUP);
        SendMessageW(hwnd, kTrayCallback, 153, WM_MOUSEMOVE);
        eraseResult = SendMessageW(hwnd, WM_ERASEBKGND, 0, 0);
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, PackPoint(-5, 12));
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(30, 40));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, PackPoint(31, 41));
        // The second press of a double click is not a press.
        SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, PackPoint(30, 40));
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        existedAfterClose = window.Exists() && IsWindow(hwnd);
        window.Destroy();
    };
    window.RunModal(events);

    EXPECT_EQ(events.initCount, 1);
    EXPECT_EQ(events.systemCommands, std::vector<SystemCommand>({SystemCommand::About}));
    // Enter and Escape never reach the logic (and never end the dialog).
    EXPECT_EQ(events.commands, std::vector<int>({32801}));
    EXPECT_EQ(commandOk, 0);
    EXPECT_EQ(trayResult, 7);
    ASSERT_EQ(events.trayEvents.size(), 3u);
    EXPECT_EQ(events.trayEvents[0],
              std::make_pair(153, PointerEvent{PointerAction::DoublePress, PointerButton::Left, {}}));
    EXPECT_EQ(events.trayEvents[1], std::make_pair(99, PointerEvent{PointerAction::Release, PointerButton::Right, {}}));
    EXPECT_EQ(events.trayEvents[2], std::make_pair(153, PointerEvent{PointerAction::Move, PointerButton::None, {}}));
    EXPECT_EQ(eraseResult, 1);
    EXPECT_EQ(events.moves, std::vector<Point>({Point{-5, 12}}));
    EXPECT_EQ(events.downs, std::vector<Point>({Point{30, 40}}));
    EXPECT_EQ(events.ups, std::vector<Point>({Point{31, 41}}));
    EXPECT_EQ(events.closeCount, 1);
    EXPECT_TRUE(existedAfterClose) << "a close request must not end the window by itself";
    EXPECT_FALSE(window.Exists());
    EXPECT_EQ(window.Handle(), nullptr);
}

TEST(Win32MainWindow, DeviceChangesAreReportedAsArrivalsAndCompletedRemovalsAndAlwaysAnswered) {
    Win32MainWindow window;
    RecordingEvents events;
    LRESULT arrivalAnswer = 0, removalAnswer = 0, volumeAnswer = 0;
    events.script = [&] {
        HWND hwnd = window.Handle();
        const wchar_t path[] = L"\\\\?\\hid#vid_18f8&pid_1286&col02#7&1";
        std::vector<unsigned char> buffer(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + sizeof(path));
        auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
        record->dbcc_size = static_cast<DWORD>(buffer.size());
        record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        std::memcpy(record->dbcc_name, path, sizeof(path));
        arrivalAnswer = SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record));
        removalAnswer = SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(record));
        DEV_BROADCAST_HDR volume{};
        volume.dbch_size = sizeof(volume);
        volume.dbch_devicetype = DBT_DEVTYP_VOLUME;
        volumeAnswer = SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(&volume));
        SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0);
        window.Destroy();
    };
    window.RunModal(events);

    EXPECT_EQ(arrivalAnswer, TRUE);
    EXPECT_EQ(removalAnswer, TRUE);
    EXPECT_EQ(volumeAnswer, TRUE);
    ASSERT_EQ(events.arrivals.size(), 1u);
    EXPECT_TRUE(events.arrivals[0].isDeviceInterface);
    EXPECT_EQ(events.arrivals[0].interfacePath, "\\\\?\\hid#vid_18f8&pid_1286&col02#7&1");
    ASSERT_EQ(events.removals.size(), 2u);
    EXPECT_TRUE(events.removals[0].isDeviceInterface);
    EXPECT_EQ(events.removals[0].interfacePath, "\\\\?\\hid#vid_18f8&pid_1286&col02#7&1");
    EXPECT_FALSE(events.removals[1].isDeviceInterface);
    EXPECT_EQ(events.removals[1].interfacePath, "");
}

TEST(Win32MainWindow, DestroyDuringInitialisationEndsTheRun) {
    Win32MainWindow window;
    RecordingEvents events;
    bool visibleAtDestroy = true;
    events.script = [&] {
        visibleAtDestroy = IsWindowVisible(window.Handle()) != FALSE;
        window.Destroy();
        EXPECT_FALSE(window.Exists());
    };
    window.RunModal(events);
    EXPECT_EQ(events.initCount, 1);
    EXPECT_FALSE(visibleAtDestroy) << "the window is shown only after initialisation";
    EXPECT_FALSE(window.Exists());
}

TEST(Win32MainWindow, PostedRemovalFromAnotherThreadArrivesOnTheWindowThread) {
    Win32MainWindow window;
    RecordingEvents events;
    DWORD windowThread = GetCurrentThreadId();
    DWORD deliveredOn = 0;
    events.script = [&] { std::thread([&] { window.PostDeviceRemoval("\\\\?\\hid#sim"); }).join(); };
    events.onRemoved = [&](const DeviceNotification&) {
        deliveredOn = GetCurrentThreadId();
        window.Destroy();
    };
    window.RunModal(events);
    ASSERT_EQ(events.removals.size(), 1u);
    EXPECT_TRUE(events.removals[0].isDeviceInterface);
    EXPECT_EQ(events.removals[0].interfacePath, "\\\\?\\hid#sim");
    EXPECT_EQ(deliveredOn, windowThread);
    // Without a window the removal has nowhere to go and is dropped.
    window.PostDeviceRemoval("late");
    EXPECT_EQ(events.removals.size(), 1u);
}

TEST(Win32MainWindow, RepaintRequestsCoalesceUntilHandled) {
    Win32MainWindow window;
    RecordingEvents events;
    events.script = [&] {
        window.PostRepaint();
        window.PostRepaint();
        window.PostRepaint();
    };
    events.onRepaint = [&] {
        if (events.repaintCount == 1) {
            // A request after the first was handled is delivered again; the
            // command posted behind it ends the run.
            window.PostRepaint();
            PostMessageW(window.Handle(), WM_COMMAND, 999, 0);
        }
    };
    events.onCommand = [&](int) { window.Destroy(); };
    window.RunModal(events);
    EXPECT_EQ(events.repaintCount, 2);
}

TEST(Win32MainWindow, DrawingExistsOnlyDuringAPaint) {
    Win32MainWindow window;
    RecordingEvents events;
    Drawing* during = nullptr;
    Drawing* again = nullptr;
    Drawing* after = reinterpret_cast<Drawing*>(1);
    events.onPaint = [&] {
        during = window.PaintDrawing();
        again = window.PaintDrawing();
    };
    events.script = [&] {
        SendMessageW(window.Handle(), WM_PAINT, 0, 0);
        after = window.PaintDrawing();
        window.Destroy();
    };
    window.RunModal(events);
    EXPECT_NE(during, nullptr);
    EXPECT_EQ(again, during) << "one drawing per paint";
    EXPECT_EQ(after, nullptr);
}

TEST(Win32MainWindow, ShapeSizesTheWindowAndCutsTheRegion) {
    Win32MainWindow window;
    RecordingEvents events;
    RECT bounds{};
    bool inside = false, cutOut = true, belowRight = true;
    int regionType = ERROR;
    events.script = [&] {
        Region region;
        region.rects = {Rect{0, 0, 300, 100}, Rect{0, 100, 150, 200}};
        window.SetShape(region, 300, 200);
        GetWindowRect(window.Handle(), &bounds);
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        regionType = GetWindowRgn(window.Handle(), rgn);
        inside = PtInRegion(rgn, 10, 150) != FALSE;
        cutOut = PtInRegion(rgn, 200, 150) != FALSE;
        belowRight = PtInRegion(rgn, 299, 99) != FALSE;
        DeleteObject(rgn);
        window.Destroy();
    };
    window.RunModal(events);
    EXPECT_EQ(bounds.right - bounds.left, 300);
    EXPECT_EQ(bounds.bottom - bounds.top, 200);
    EXPECT_NE(regionType, ERROR);
    EXPECT_TRUE(inside);
    EXPECT_FALSE(cutOut);
    EXPECT_TRUE(belowRight);
}

TEST(Win32MainWindow, TemplateStylesTitleIconAndSystemMenu) {
    Win32MainWindow window;
    RecordingEvents events;
    LONG_PTR style = 0, exStyle = 0;
    std::wstring title, lastItem;
    UINT lastId = 0, separatorType = 0;
    LRESULT bigIcon = 0, dragIcon = 0;
    events.script = [&] {
        HWND hwnd = window.Handle();
        style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
        window.SetTitle("VX230 Gaming Mouse Driver");
        wchar_t text[64] = {};
        GetWindowTextW(hwnd, text, 64);
        title = text;
        window.SetLargeIcon(159);
        bigIcon = SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0);
        dragIcon = SendMessageW(hwnd, WM_QUERYDRAGICON, 0, 0);
        window.AppendSystemMenuItem(window.LoadResourceString(101), SystemCommand::About);
        HMENU menu = GetSystemMenu(hwnd, FALSE);
        int count = GetMenuItemCount(menu);
        lastId = GetMenuItemID(menu, count - 1);
        GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
        lastItem = text;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &info);
        separatorType = info.fType;
        window.Destroy();
    };
    window.RunModal(events);
    EXPECT_EQ(style & WS_POPUP, WS_POPUP);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX), WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    EXPECT_EQ(title, L"VX230 Gaming Mouse Driver");
    EXPECT_NE(bigIcon, 0);
    EXPECT_NE(dragIcon, 0);
    EXPECT_EQ(lastId, 16u);
    EXPECT_EQ(lastItem, L"&About ZUV_GMouse...");
    EXPECT_TRUE(separatorType & MFT_SEPARATOR);
}

TEST(Win32MainWindow, FontsFollowTheirSpecification) {
    Win32MainWindow window;
    FontHandle english = window.CreateFont(FontSpec{"Consolas", 14, 7, 400, true});
    FontHandle chinese = window.CreateFont(FontSpec{"宋体", 12, 6, 400, false});
    ASSERT_NE(english, 0);
    ASSERT_NE(chinese, 0);
    LOGFONTW en{}, cn{};
    GetObjectW(reinterpret_cast<HFONT>(english), sizeof(en), &en);
    GetObjectW(reinterpret_cast<HFONT>(chinese), sizeof(cn), &cn);
    EXPECT_STREQ(en.lfFaceName, L"Consolas");
    EXPECT_EQ(en.lfHeight, 14);
    EXPECT_EQ(en.lfWidth, 7);
    EXPECT_EQ(en.lfWeight, 400);
    EXPECT_EQ(en.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(en.lfOutPrecision, OUT_CHARACTER_PRECIS);
    EXPECT_EQ(en.lfClipPrecision, CLIP_CHARACTER_PRECIS);
    EXPECT_EQ(en.lfPitchAndFamily, FIXED_PITCH | FF_ROMAN);
    EXPECT_STREQ(cn.lfFaceName, L"宋体");
    EXPECT_EQ(cn.lfHeight, 12);
    EXPECT_EQ(cn.lfWidth, 6);
    EXPECT_EQ(cn.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(cn.lfClipPrecision, CLIP_DEFAULT_PRECIS);
    EXPECT_EQ(cn.lfPitchAndFamily, DEFAULT_PITCH | FF_SWISS);
}

TEST(Win32MainWindow, ApplicationNameIsTheExeNameWithoutExtension) {
    EXPECT_EQ(Win32MainWindow::ApplicationName(), "win32_backend_tests");
    Win32MainWindow window;
    EXPECT_EQ(window.LoadResourceString(12345), "");
}

}  // namespace
}  // namespace vx::platform
