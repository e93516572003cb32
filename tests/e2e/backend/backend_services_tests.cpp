// The small Windows services behind the platform interfaces: images, clock,
// threads, the single-instance lock and the user settings.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "platform/portable/program_paths.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_image_decoder.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_system_settings.h"
#include "platform/win32/win32_threads.h"

namespace vx::platform {
namespace {

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "vx_backend_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

void WriteLE(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A 24-bit bottom-up BMP of the given 0x00RRGGBB pixels (rows from the top).
void WriteBmp(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels) {
    const int rowBytes = (width * 3 + 3) & ~3;
    std::vector<unsigned char> file{'B', 'M'};
    WriteLE(file, static_cast<std::uint32_t>(54 + rowBytes * height), 4);
    WriteLE(file, 0, 4);
    WriteLE(file, 54, 4);
    WriteLE(file, 40, 4);
    WriteLE(file, static_cast<std::uint32_t>(width), 4);
    WriteLE(file, static_cast<std::uint32_t>(height), 4);
    WriteLE(file, 1, 2);
    WriteLE(file, 24, 2);
    for (int i = 0; i < 6; ++i) WriteLE(file, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
            file.push_back(static_cast<unsigned char>(p));
            file.push_back(static_cast<unsigned char>(p >> 8));
            file.push_back(static_cast<unsigned char>(p >> 16));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad) file.push_back(0);
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

TEST(Win32ImageDecoder, DecodesPixelsAsRgbRowsFromTheTop) {
    const std::vector<std::uint32_t> pixels{0xFF0000, 0x00FF00, 0x0000FF, 0x656565, 0x64FFFF, 0xFFFFFF};
    const std::string path = TempPath("mask.bmp");
    WriteBmp(path, 3, 2, pixels);
    Win32ImageDecoder decoder;
    std::optional<Image> image = decoder.Load(path);
    DeleteFileA(path.c_str());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, pixels);
}

TEST(Win32ImageDecoder, MissingOrCorruptFilesGiveNothing) {
    Win32ImageDecoder decoder;
    EXPECT_FALSE(decoder.Load(TempPath("does_not_exist.jpg")).has_value());
    const std::string path = TempPath("corrupt.jpg");
    std::ofstream(path, std::ios::binary) << "\xFF\xD8\xFF\xE0 not really a JPEG";
    EXPECT_FALSE(decoder.Load(path).has_value());
    DeleteFileA(path.c_str());
}

TEST(Win32ImageDecoder, DecodesOnWorkerThreadsToo) {
    const std::vector<std::uint32_t> pixels{0x123456};
    const std::string path = TempPath("worker.bmp");
    WriteBmp(path, 1, 1, pixels);
    auto result = std::async(std::launch::async, [&] { return Win32ImageDecoder().Load(path); }).get();
    DeleteFileA(path.c_str());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->pixels, pixels);
}

TEST(Win32Clock, SleepsAtLeastTheRequestedTime) {
    Win32Clock clock;
    for (int ms : {1, 5, 16}) {
        const std::int64_t start = clock.NowMicros();
        clock.SleepMs(ms);
        const std::int64_t elapsed = clock.NowMicros() - start;
        EXPECT_GE(elapsed, ms * 1000 - 100) << ms << " ms";  // 0.1 ms of counter rounding
    }
    const std::int64_t before = clock.NowMicros();
    clock.SleepMs(0);
    clock.SleepMs(-3);
    EXPECT_GE(clock.NowMicros(), before);
}

TEST(Win32Clock, SleepsOnSeveralThreadsAtOnce) {
    Win32Clock clock;
    auto sleeper = [&clock] {
        const std::int64_t start = clock.NowMicros();
        for (int i = 0; i < 5; ++i) clock.SleepMs(2);
        return clock.NowMicros() - start;
    };
    auto a = std::async(std::launch::async, sleeper);
    auto b = std::async(std::launch::async, sleeper);
    EXPECT_GE(a.get(), 10'000 - 100);
    EXPECT_GE(b.get(), 10'000 - 100);
}

TEST(Win32Threads, RunsTheBodyAtTheRequestedPriority) {
    Win32Threads threads;
    for (auto [priority, expected] : {std::pair{ThreadPriority::Highest, THREAD_PRIORITY_HIGHEST},
                                      std::pair{ThreadPriority::Normal, THREAD_PRIORITY_NORMAL}}) {
        std::promise<int> seen;
        auto future = seen.get_future();
        threads.Start([&seen] { seen.set_value(GetThreadPriority(GetCurrentThread())); }, priority);
        EXPECT_EQ(future.get(), expected);
    }
}

TEST(Win32Process, SecondLockOfTheSameNameIsRefused) {
    const std::string name = "vx_backend_lock_" + std::to_string(GetCurrentProcessId());
    Win32Process first;
    Win32Process second;
    EXPECT_TRUE(first.CreateSingleInstanceLock(name));
    EXPECT_FALSE(second.CreateSingleInstanceLock(name));
    second.CloseSingleInstanceLock();
    Win32Process third;
    EXPECT_FALSE(third.CreateSingleInstanceLock(name)) << "the first lock is still held";
    third.CloseSingleInstanceLock();
}

TEST(Win32Process, ModulePathAndWindowSearch) {
    Win32Process process;
    const std::string path = process.ModuleFileName();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 23), "win32_backend_tests.exe");
    EXPECT_EQ(ModuleFolder(path) + "\\win32_backend_tests.exe", path);
    EXPECT_EQ(ModulePath(), path);
    EXPECT_FALSE(process.RestoreWindowByTitle("no window has this title 7f3a"));
}

TEST(Win32SystemSettings, PointerSpeedAndWheelLinesRoundTrip) {
    Win32SystemSettings settings;
    std::optional<int> speed = settings.GetMouseSpeed();
    std::optional<unsigned> lines = settings.GetWheelScrollLines();
    ASSERT_TRUE(speed.has_value());
    ASSERT_TRUE(lines.has_value());
    const int otherSpeed = *speed == 7 ? 8 : 7;
    const unsigned otherLines = *lines == 5 ? 6 : 5;
    EXPECT_TRUE(settings.SetMouseSpeed(otherSpeed));
    EXPECT_TRUE(settings.SetWheelScrollLines(otherLines));
    EXPECT_EQ(settings.GetMouseSpeed(), otherSpeed);
    EXPECT_EQ(settings.GetWheelScrollLines(), otherLines);
    settings.SetMouseSpeed(*speed);
    settings.SetWheelScrollLines(*lines);
    EXPECT_EQ(settings.GetMouseSpeed(), speed);
}

}  // namespace
}  // namespace vx::platform
