// The trivial window the start-up timing compares the program against: one
// plain top-level window titled "VX230 plain window", shown at once, closed
// by itself half a second after its first paint. With "--stay" it stays
// open (a program to bring to the front in the per-program profiles'
// scenario).
#include <windows.h>

namespace {

constexpr UINT_PTR kCloseTimer = 1;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(hwnd, &paint);
            EndPaint(hwnd, &paint);
            if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) == 0) SetTimer(hwnd, kCloseTimer, 500, nullptr);
            return 0;
        }
        case WM_TIMER: DestroyWindow(hwnd); return 0;
        case WM_SETFOCUS: {
            // The staying window hands the keyboard to its edit field, as
            // an ordinary program's window does.
            HWND field = GetWindow(hwnd, GW_CHILD);
            if (field != nullptr) SetFocus(field);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const bool stay = commandLine != nullptr && wcsstr(commandLine, L"--stay") != nullptr;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"VX230PlainWindow";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"VX230 plain window", WS_OVERLAPPEDWINDOW, 100, 100,
                                480, 320, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) return 1;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, stay ? 1 : 0);
    if (stay) {
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, hwnd, nullptr, instance,
                        nullptr);
    }
    ShowWindow(hwnd, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
