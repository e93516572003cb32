// Hover repaints of the main window in a real Qt window: the real skin's
// layouts and pictures, decoded by Qt, painted through the Qt drawing, the
// pictures decoded once and kept as the program does. The same pages and
// elements as paint_bench_win32.exe, so that scripts/linux_wine_bench.sh
// can set the two side by side. Prints median and p99 per page.
//
//   paint_bench_qt <skins folder> [paints per page]
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "../paint_page_cases.h"
#include "app/startup.h"
#include "platform/diagnostics.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_drawing.h"
#include "platform/qt/qt_image_decoder.h"
#include "platform/qt/qt_main_window.h"
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

class SilentDiagnostics final : public platform::Diagnostics {
public:
    void Report(std::string_view) override {}
};

// The program's paint event: a Qt drawing over the widget's painter for this
// paint only, the paint, the drawing gone.
class BenchWidget final : public QWidget {
public:
    BenchWidget(skin::Layouts& layouts, ui::SkinImages& images, const platform::QtFonts& fonts)
        : layouts_(layouts), images_(images), fonts_(fonts) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(kWindowWidth, kWindowHeight);
    }
    ui::PaintInputs inputs;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        std::unique_ptr<platform::Drawing> drawing = platform::CreateQtDrawing(painter, size(), fonts_);
        ui::PaintMainWindow(*drawing, images_, layouts_, inputs);
        ++paints;
    }

private:
    skin::Layouts& layouts_;
    ui::SkinImages& images_;
    const platform::QtFonts& fonts_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: paint_bench_qt <skins folder> [paints per page, default %d]\n", kDefaultPaints);
        return 2;
    }
    const std::string skinDir = argv[1];
    const int paints = argc > 2 ? std::max(std::atoi(argv[2]), 1) : kDefaultPaints;

    platform::PosixFileSystem files;
    SilentDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics);
    platform::QtMainWindow messageSink(platform::StartVisibility::Shown, QIcon());
    skin::Layouts layouts;
    const skin::LayoutSource source{profiles, messageSink, nullptr, skinDir, settings::UiLanguage::English};
    if (skin::LoadAllLayouts(source, layouts) != skin::LayoutLoadResult::Loaded) {
        std::fprintf(stderr, "layout files missing under %s\n", skinDir.c_str());
        return 2;
    }

    platform::QtFonts fonts;
    platform::QtImageDecoder decoder;
    bool ok = true;
    std::printf("Main window hover repaints through the Qt drawing, window %dx%d, skin %s\n", kWindowWidth,
                kWindowHeight, skinDir.c_str());
    std::printf("%d timed paints per page after %d warm-up paints; ms from update() to the end of repaint()\n\n",
                paints, kWarmUpPaints);
    std::printf("%-9s %-6s | %8s %8s\n", "page", "paint", "median", "p99");
    for (const bench::PageCase& pageCase : bench::kPageCases) {
        ui::SkinImages kept(decoder, skinDir);
        BenchWidget widget(layouts, kept, fonts);
        widget.inputs.config = settings::FactoryDefaultConfig1({});
        widget.inputs.currentConfigNumber = 1;
        widget.inputs.language = settings::UiLanguage::English;
        widget.inputs.font = fonts.Add(app::EnglishFontSpec());
        widget.inputs.page = pageCase.page;
        widget.move(100, 100);
        widget.show();
        QApplication::processEvents();
        QThread::msleep(200);  // let the display map the window
        QApplication::processEvents();

        std::vector<double> times;
        for (int i = -kWarmUpPaints; i < paints; ++i) {
            bench::SetHot(widget.inputs, pageCase.page,
                          (i + kWarmUpPaints) % 2 == 0 ? pageCase.first : pageCase.second);
            QApplication::processEvents();
            const int before = widget.paints;
            QElapsedTimer timer;
            timer.start();
            // The program's hover: the window marked, then painted at once.
            widget.update();
            widget.repaint();
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (widget.paints != before + 1) ok = false;
            if (i >= 0) times.push_back(ms);
        }

        // Proof that the paints drew the hovered element: its top-left inner
        // pixel shows the hover picture.
        bench::SetHot(widget.inputs, pageCase.page, pageCase.first);
        const QImage shown = widget.grab().toImage();
        const skin::LayoutEntry* entry = bench::EntryOf(layouts, pageCase.page, pageCase.first);
        const platform::Image& over = kept.Get(ui::PageImagesOf(pageCase.page).over);
        const int x = entry != nullptr ? entry->x + 1 : 0, y = entry != nullptr ? entry->y + 1 : 0;
        if (entry == nullptr || over.width <= x || over.height <= y ||
            (shown.pixel(x, y) & 0xFFFFFFu) != (over.At(x, y) & 0xFFFFFFu)) {
            std::fprintf(stderr, "%s page: the window does not show the hovered element\n", pageCase.name);
            ok = false;
            continue;
        }
        const bench::Figures figures = bench::Summarise(times);
        std::printf("%-9s %-6s | %8.3f %8.3f\n", pageCase.name, "hover", figures.median, figures.p99);
        widget.hide();
    }
    if (!ok) std::fprintf(stderr, "a repaint did not paint\n");
    return ok ? 0 : 1;
}
