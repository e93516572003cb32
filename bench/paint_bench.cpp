// One paint of the main page with the skin pictures decoded once and kept,
// against the same paint decoding its three page pictures every time. The
// decoder does the work a baseline JPEG decode does per pixel (an 8x8
// inverse DCT per block and channel, then YCbCr to RGB); the drawing copies
// real pixels into a real canvas. Prints both times and their ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "platform/drawing.h"
#include "platform/image.h"
#include "ui/paint.h"
#include "ui/skin_images.h"

namespace {

using namespace vx;

constexpr int kWidth = 800;
constexpr int kHeight = 520;

// Decodes a synthetic picture with the arithmetic of a JPEG decode. The
// window mask is read once at start-up for the window's shape, so it costs
// nothing here in either case.
class DctImageDecoder : public platform::ImageDecoder {
public:
    DctImageDecoder() {
        constexpr double kPi = 3.14159265358979323846;
        for (int x = 0; x < 8; ++x) {
            for (int u = 0; u < 8; ++u) {
                const double scale = u == 0 ? std::sqrt(0.125) : 0.5;
                basis_[static_cast<std::size_t>(x * 8 + u)] =
                    static_cast<float>(scale * std::cos((2 * x + 1) * u * kPi / 16));
            }
        }
    }

    std::optional<platform::Image> Load(const std::string& path) override {
        platform::Image image;
        image.width = kWidth;
        image.height = kHeight;
        image.pixels.assign(static_cast<std::size_t>(kWidth) * kHeight, 0);
        if (path.find("mask") != std::string::npos) return image;
        const auto seed = static_cast<unsigned>(std::hash<std::string>{}(path));
        std::array<std::array<float, 64>, 3> planes{};
        for (int by = 0; by < kHeight; by += 8) {
            for (int bx = 0; bx < kWidth; bx += 8) {
                for (int c = 0; c < 3; ++c)
                    InverseDct(Coefficients(seed, bx, by, c), planes[static_cast<std::size_t>(c)]);
                StoreBlock(planes, bx, by, image);
            }
        }
        return image;
    }

private:
    static std::array<float, 64> Coefficients(unsigned seed, int bx, int by, int channel) {
        std::array<float, 64> coefficients{};
        // Unsigned arithmetic: the hash is meant to wrap.
        unsigned state = seed ^ (static_cast<unsigned>(bx) * 73856093u) ^ (static_cast<unsigned>(by) * 19349663u) ^
                         (static_cast<unsigned>(channel) * 83492791u);
        coefficients[0] = static_cast<float>(channel == 0 ? 600 : 0);
        for (std::size_t i = 1; i < 12; ++i) {
            state = state * 1664525u + 1013904223u;
            coefficients[i] = static_cast<float>(static_cast<int>(state >> 24) - 128) / 4.0f;
        }
        return coefficients;
    }

    void InverseDct(const std::array<float, 64>& in, std::array<float, 64>& out) const {
        std::array<float, 64> rows{};
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                float sum = 0;
                for (int u = 0; u < 8; ++u)
                    sum += basis_[static_cast<std::size_t>(x * 8 + u)] * in[static_cast<std::size_t>(y * 8 + u)];
                rows[static_cast<std::size_t>(y * 8 + x)] = sum;
            }
        }
        for (int x = 0; x < 8; ++x) {
            for (int y = 0; y < 8; ++y) {
                float sum = 0;
                for (int v = 0; v < 8; ++v)
                    sum += basis_[static_cast<std::size_t>(y * 8 + v)] * rows[static_cast<std::size_t>(v * 8 + x)];
                out[static_cast<std::size_t>(y * 8 + x)] = sum;
            }
        }
    }

    static std::uint32_t Clamp(float v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f)); }

    static void StoreBlock(const std::array<std::array<float, 64>, 3>& planes, int bx, int by, platform::Image& image) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const auto i = static_cast<std::size_t>(y * 8 + x);
                const float luma = planes[0][i] / 8 + 128, cb = planes[1][i] / 8, cr = planes[2][i] / 8;
                const std::uint32_t r = Clamp(luma + 1.402f * cr);
                const std::uint32_t g = Clamp(luma - 0.344f * cb - 0.714f * cr);
                const std::uint32_t b = Clamp(luma + 1.772f * cb);
                image.pixels[static_cast<std::size_t>(by + y) * kWidth + static_cast<std::size_t>(bx + x)] =
                    (r << 16) | (g << 8) | b;
            }
        }
    }

    std::array<float, 64> basis_{};
};

// A canvas in memory that really copies and fills pixels.
class MemoryDrawing : public platform::Drawing {
public:
    void BeginCanvas(const platform::Image& background, int width, int height) override {
        width_ = width;
        height_ = height;
        canvas_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
        CopyRect(background, Rect{0, 0, width, height});
    }
    void CopyRect(const platform::Image& source, const Rect& rect) override {
        const int right = std::min({rect.right, width_, source.width});
        const int bottom = std::min({rect.bottom, height_, source.height});
        const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
        for (int y = top; y < bottom; ++y) {
            std::memcpy(&canvas_[static_cast<std::size_t>(y * width_ + left)],
                        &source.pixels[static_cast<std::size_t>(y * source.width + left)],
                        static_cast<std::size_t>(std::max(right - left, 0)) * sizeof(std::uint32_t));
        }
    }
    void FillRect(const Rect& rect, platform::Color color) override {
        const std::uint32_t pixel = (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) | color.blue;
        for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y) {
            for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) {
                canvas_[static_cast<std::size_t>(y * width_ + x)] = pixel;
            }
        }
    }
    void SelectFont(platform::FontHandle) override {}
    platform::TextSize MeasureText(std::string_view text) override { return {static_cast<int>(text.size()) * 7, 14}; }
    void DrawTextAt(Point, std::string_view text, platform::Color) override { benchmark::DoNotOptimize(text.data()); }
    void Present(const Region*) override { benchmark::DoNotOptimize(canvas_.data()); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> canvas_;
};

// Element i of the main page in a grid of 60 x 24 cells, each captioned.
skin::Layouts BenchLayouts() {
    skin::Layouts layouts;
    for (std::size_t i = 0; i < layouts.main.size(); ++i) {
        layouts.main[i] = skin::LayoutEntry{static_cast<int>(i % 12) * 64 + 10, static_cast<int>(i / 12) * 48 + 20, 60,
                                            24, "Caption " + std::to_string(i)};
    }
    for (std::size_t code = 1; code < layouts.functionNames.size(); ++code) {
        layouts.functionNames[code] = "Function " + std::to_string(code);
    }
    return layouts;
}

ui::PaintInputs HoverInputs() {
    ui::PaintInputs in;
    in.hotMain = 27;
    in.currentConfigNumber = 2;
    in.language = settings::UiLanguage::English;
    in.config = settings::MouseConfig{1, 3, 2, 4, 5, 6, 1, 0, 0, 3, 5, 6, 8, true, true, true, true, 0, 4, 2, 2, 50};
    return in;
}

void BM_PaintWithCachedPictures(benchmark::State& state) {
    DctImageDecoder decoder;
    ui::SkinImages images(decoder, "skins");
    skin::Layouts layouts = BenchLayouts();
    MemoryDrawing drawing;
    const ui::PaintInputs in = HoverInputs();
    ui::PaintMainWindow(drawing, images, layouts, in);  // the first paint decodes
    for (auto _ : state) ui::PaintMainWindow(drawing, images, layouts, in);
}
BENCHMARK(BM_PaintWithCachedPictures)->Unit(benchmark::kMillisecond);

void BM_PaintDecodingEveryTime(benchmark::State& state) {
    DctImageDecoder decoder;
    skin::Layouts layouts = BenchLayouts();
    MemoryDrawing drawing;
    const ui::PaintInputs in = HoverInputs();
    for (auto _ : state) {
        ui::SkinImages images(decoder, "skins");
        ui::PaintMainWindow(drawing, images, layouts, in);
    }
}
BENCHMARK(BM_PaintDecodingEveryTime)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIterationMs;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations > 0) {
                perIterationMs[run.benchmark_name()] =
                    run.real_accumulated_time * 1000.0 / static_cast<double>(run.iterations);
            }
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto cached = reporter.perIterationMs.find("BM_PaintWithCachedPictures");
    const auto decoding = reporter.perIterationMs.find("BM_PaintDecodingEveryTime");
    if (cached != reporter.perIterationMs.end() && decoding != reporter.perIterationMs.end() && cached->second > 0) {
        std::printf("main-page paint, cached pictures:        %.3f ms\n", cached->second);
        std::printf("main-page paint, decoding every paint:   %.3f ms\n", decoding->second);
        std::printf("decoding every paint / cached: %.1fx\n", decoding->second / cached->second);
    }
    benchmark::Shutdown();
    return 0;
}
