// Repaints of the main window in a real window: the real skin's layouts and
// pictures, decoded by the system's image decoder, painted through the GDI
// drawing. For each page, a hover repaint (the element under the pointer
// changes) and a click's repaint (an element shown pressed), each with the
// pictures decoded once and kept, as the program does, against decoding
// them at every paint (the baseline). Runs under Wine or Windows; prints
// median and p99 per row and their ratios.
//
//   paint_bench_win32.exe <skins folder> [paints per row]
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../paint_page_cases.h"
#include "app/startup.h"
#include "platform/diagnostics.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/win32/win32_drawing.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_image_decoder.h"
#include "platform/win32/win32_main_window.h"
#include "settings/config_section.h"
#include "skin/layout_loaders.h"
#include "ui/paint.h"
#include "ui/skin_images.h"

namespace {

using namespace vx;

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 520;
constexpr int kWarmUpPaints = 5;
constexpr int kDefaultPaints = 100;

// The layout files are only read; nothing is worth reporting here.
class SilentDiagnostics final : public platform::Diagnostics {
public:
    void Report(std::string_view) override {}
};

// What the next WM_PAINT draws. `kept` is the cache reused across paints;
// without it each paint makes (and decodes into) a fresh one.
struct PaintJob {
    platform::ImageDecoder* decoder = nullptr;
    std::string skinDir;
    skin::Layouts* layouts = nullptr;
    ui::PaintInputs inputs;
    ui::SkinImages* kept = nullptr;
    int paints = 0;
    int picturesDecoded = 0;  // by the last paint
};

// The program's WM_PAINT: BeginPaint, a Win32 drawing over the paint's DC
// made for this paint only, the paint, the drawing gone, EndPaint; the erase
// is answered without erasing. (The program's window is a dialog; its
// WM_PAINT does the same calls.)
LRESULT CALLBACK BenchWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* job = reinterpret_cast<PaintJob*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(hwnd, &paint);
            if (job != nullptr) {
                std::unique_ptr<platform::Drawing> drawing = platform::CreateWin32Drawing(dc, hwnd);
                if (job->kept != nullptr) {
                    const int before = job->kept->LoadCount();
                    ui::PaintMainWindow(*drawing, *job->kept, *job->layouts, job->inputs);
                    job->picturesDecoded = job->kept->LoadCount() - before;
                } else {
                    ui::SkinImages fresh(*job->decoder, job->skinDir);
                    ui::PaintMainWindow(*drawing, fresh, *job->layouts, job->inputs);
                    job->picturesDecoded = fresh.LoadCount();
                }
                drawing.reset();
                ++job->paints;
            }
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

HWND CreateBenchWindow(PaintJob& job) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BenchWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = L"VxPaintBench";
    if (RegisterClassW(&windowClass) == 0) return nullptr;
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"paint bench", WS_POPUP, 100, 100, kWindowWidth,
                                kWindowHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (hwnd == nullptr) return nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&job));
    ShowWindow(hwnd, SW_SHOWNORMAL);
    return hwnd;
}

// Handles whatever the system has queued (showing, focus, the display), so
// that a timed repaint measures only itself.
void DrainMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// How the program repaints on a hover or a click (Invalidate, then
// UpdateNow): the whole window marked, then WM_PAINT sent at once, so the
// time covers BeginPaint to EndPaint as the user waits for it. On the
// advanced page the program may mark only the page's repaint region; the
// paint draws the same canvas either way.
double RepaintMs(HWND hwnd) {
    const auto start = std::chrono::steady_clock::now();
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

enum class Kind { Hover, Click };

// After one more paint of `element` hovered or pressed, whether the window
// shows that element's picture (its top-left inner pixel, clear of the
// caption): proof that the timed paints reached the screen.
bool WindowShowsElement(HWND hwnd, PaintJob& job, const bench::PageCase& pageCase, Kind kind,
                        const platform::Image& picture) {
    const skin::LayoutEntry* entry = bench::EntryOf(*job.layouts, pageCase.page, pageCase.first);
    bench::SetHot(job.inputs, pageCase.page, pageCase.first);
    job.inputs.pressed = kind == Kind::Click;
    RepaintMs(hwnd);
    const int x = entry->x + 1, y = entry->y + 1;
    if (x >= picture.width || y >= picture.height) return false;
    HDC dc = GetDC(hwnd);
    const COLORREF shown = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    const std::uint32_t pixel = picture.At(x, y);
    return shown == RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

struct Series {
    std::vector<double> times;
    int picturesDecodedPerPaint = 0;
    bool allPainted = true;
};

// Warm-up paints, then `paints` timed ones. A hover paint alternates the
// element under the pointer so that every paint follows a change.
Series Measure(HWND hwnd, PaintJob& job, const bench::PageCase& pageCase, Kind kind, int paints) {
    Series series;
    for (int i = -kWarmUpPaints; i < paints; ++i) {
        const bool even = (i + kWarmUpPaints) % 2 == 0;
        bench::SetHot(job.inputs, pageCase.page, kind == Kind::Click || even ? pageCase.first : pageCase.second);
        job.inputs.pressed = kind == Kind::Click;
        DrainMessages();
        const int before = job.paints;
        const double ms = RepaintMs(hwnd);
        if (job.paints != before + 1) series.allPainted = false;
        if (i >= 0) {
            series.times.push_back(ms);
            series.picturesDecodedPerPaint = std::max(series.picturesDecodedPerPaint, job.picturesDecoded);
        }
    }
    return series;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: paint_bench_win32.exe <skins folder> [paints per row, default %d]\n",
                     kDefaultPaints);
        return 2;
    }
    const std::string skinDir = argv[1];
    const int paints = argc > 2 ? std::max(std::atoi(argv[2]), 1) : kDefaultPaints;

    // The layouts as the program loads them: the portable profile reader
    // over Windows files, English.
    platform::Win32FileSystem files;
    SilentDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics);
    platform::testing::FakeMainWindow messageSink;  // a missing file's message box lands here
    skin::Layouts layouts;
    const skin::LayoutSource source{profiles, messageSink, nullptr, skinDir, settings::UiLanguage::English};
    if (skin::LoadAllLayouts(source, layouts) != skin::LayoutLoadResult::Loaded) {
        std::fprintf(stderr, "layout files missing under %s\n", skinDir.c_str());
        return 2;
    }

    for (const bench::PageCase& pageCase : bench::kPageCases) {
        for (std::int32_t element : {pageCase.first, pageCase.second}) {
            const skin::LayoutEntry* entry = bench::EntryOf(layouts, pageCase.page, element);
            if (entry == nullptr || entry->Bounds().IsEmpty()) {
                std::fprintf(stderr, "%s page: element %d has no area in the layout\n", pageCase.name, element);
                return 2;
            }
        }
    }

    // The program's English font, made the way the program makes it.
    platform::Win32MainWindow fontMaker;
    platform::Win32ImageDecoder decoder;

    PaintJob job;
    job.decoder = &decoder;
    job.skinDir = skinDir;
    job.layouts = &layouts;
    job.inputs.config = settings::FactoryDefaultConfig1({});
    job.inputs.currentConfigNumber = 1;
    job.inputs.language = settings::UiLanguage::English;
    job.inputs.font = fontMaker.CreateFont(app::EnglishFontSpec());

    HWND hwnd = CreateBenchWindow(job);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "cannot create the window\n");
        return 2;
    }
    DrainMessages();
    Sleep(200);  // let the display map the window
    DrainMessages();
    RECT client{};
    GetClientRect(hwnd, &client);

    std::printf("Main window repaints through the GDI drawing, window %ldx%ld, skin %s\n", client.right, client.bottom,
                skinDir.c_str());
    std::printf(
        "%d timed paints per row after %d warm-up paints; times in ms from InvalidateRect to the end of "
        "UpdateWindow\n",
        paints, kWarmUpPaints);
    std::printf(
        "cached: one picture cache kept across paints (the program); decoding: a fresh cache per paint "
        "(baseline)\n\n");
    std::printf("%-9s %-6s | %-17s | %-17s | %-15s | %s\n", "page", "paint", "cached ms", "decoding ms",
                "decoding/cached", "pictures decoded");
    std::printf("%-9s %-6s | %8s %8s | %8s %8s | %7s %7s | %s\n", "", "", "median", "p99", "median", "p99", "median",
                "p99", "per paint (cached/decoding)");

    bool ok = true;
    for (const bench::PageCase& pageCase : bench::kPageCases) {
        job.inputs.page = pageCase.page;
        ui::SkinImages kept(decoder, skinDir);
        for (Kind kind : {Kind::Hover, Kind::Click}) {
            job.kept = &kept;
            const Series cached = Measure(hwnd, job, pageCase, kind, paints);
            job.kept = nullptr;
            const Series decoding = Measure(hwnd, job, pageCase, kind, paints);

            // A row means nothing if the window did not paint or a picture
            // did not decode.
            const ui::PageImageNames names = ui::PageImagesOf(pageCase.page);
            const bool decoded = kept.Get(names.normal).width > 0 && kept.Get(names.over).width > 0 &&
                                 kept.Get(names.down).width > 0 && kept.Get(ui::kMainMaskImage).width > 0;
            const char* failure = nullptr;
            if (!decoded) {
                failure = "a skin picture did not decode";
            } else if (!cached.allPainted || !decoding.allPainted) {
                failure = "a repaint did not reach WM_PAINT";
            } else if (!WindowShowsElement(hwnd, job, pageCase, kind,
                                           kept.Get(kind == Kind::Hover ? names.over : names.down))) {
                failure = "the window does not show the painted element";
            }
            if (failure != nullptr) {
                std::fprintf(stderr, "%s page, %s: %s\n", pageCase.name, kind == Kind::Hover ? "hover" : "click",
                             failure);
                ok = false;
                continue;
            }
            const bench::Figures c = bench::Summarise(cached.times);
            const bench::Figures d = bench::Summarise(decoding.times);
            std::printf("%-9s %-6s | %8.3f %8.3f | %8.3f %8.3f | %6.1fx %6.1fx | %d / %d\n", pageCase.name,
                        kind == Kind::Hover ? "hover" : "click", c.median, c.p99, d.median, d.p99, d.median / c.median,
                        d.p99 / c.p99, cached.picturesDecodedPerPaint, decoding.picturesDecodedPerPaint);
        }
    }
    DestroyWindow(hwnd);
    return ok ? 0 : 1;
}
