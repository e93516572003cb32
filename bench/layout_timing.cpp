// A layout load and a language switch timed the same way natively and under
// Wine (the Google Benchmark programs do not build for Windows), each
// against a baseline measured in the same run: reading the bytes of the
// files the operation reads, with no parsing. The ratios stay comparable
// between a busy and an idle machine, and between the two systems.
// Under Windows (or Wine) it also times both through the system's own
// profile functions, the reader the program does not use.
//
//   layout_timing <data folder> [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "macro/macro_files.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/config_section.h"
#include "skin/layout_loaders.h"

#ifdef _WIN32
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_files.h"
using NativeFileSystem = vx::platform::Win32FileSystem;
#else
#include "platform/posix/posix_file_system.h"
using NativeFileSystem = vx::platform::PosixFileSystem;
#endif

namespace {

using namespace vx;
namespace fs = std::filesystem;
using settings::UiLanguage;

struct Figures {
    double median = 0;
    double p90 = 0;
};

Figures Time(int rounds, const std::function<void()>& operation) {
    operation();  // the first round fills the caches, as start-up does
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        operation();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10]};
}

void Print(const char* what, const Figures& figures, const Figures& baseline) {
    std::printf("%-52s median %8.3f ms  p90 %8.3f ms  %7.1fx baseline\n", what, figures.median, figures.p90,
                figures.median / baseline.median);
}

// The run-time files in a fresh folder; paths as the program makes them.
struct Tree {
    explicit Tree(const fs::path& data) {
        dir = fs::temp_directory_path() / "vx_layout_timing";
        fs::remove_all(dir);
        fs::create_directories(dir / "skins");
        for (const char* name : {"config.ini", "Macro_EN.dat", "Macro_CN.dat"}) fs::copy_file(data / name, dir / name);
        for (const char* name : {"INI_EN", "INI_CN"}) fs::copy(data / "skins" / name, dir / "skins" / name);
        // Files changed within the last second are read again at each use.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    }
    ~Tree() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    std::string Path(const std::string& name) const { return dir.string() + "\\" + name; }
    fs::path dir;
};

struct Program {
    Program(const Tree& runTree, platform::ProfileFiles& reader) : tree(runTree), profiles(reader) {}

    skin::LayoutSource Source(UiLanguage language) {
        return skin::LayoutSource{profiles, window, [] {}, tree.Path("skins"), language};
    }
    void LoadLayouts(UiLanguage language) { skin::LoadAllLayouts(Source(language), layouts); }
    // What a click on the other language does to the files.
    void SwitchTo(UiLanguage language) {
        profiles.WriteString(tree.Path("config.ini"), settings::kInitSection, settings::kLanguageKey,
                             std::to_string(static_cast<int>(language)));
        LoadLayouts(language);
        macro::LoadUserMacros(macros, configLock, profiles, window,
                              macro::UserMacroFilePath(tree.dir.string(), language));
    }

    const Tree& tree;
    platform::ProfileFiles& profiles;
    platform::testing::FakeMainWindow window;
    skin::Layouts layouts;
    macro::MacroStore macros;
    std::mutex configLock;
};

std::vector<std::string> LayoutFiles(const Tree& tree, UiLanguage language) {
    std::vector<std::string> files;
    for (auto file : {skin::LayoutFile::Main, skin::LayoutFile::Color, skin::LayoutFile::Advanced,
                      skin::LayoutFile::Warning}) {
        files.push_back(skin::LayoutFilePath(tree.Path("skins"), language, file));
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: layout_timing <data folder> [rounds]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(10, std::atoi(argv[2])) : 200;
    const Tree tree{fs::path(argv[1])};
    NativeFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles portable{files, diagnostics};
    Program program(tree, portable);

    // Baselines: the bytes of what each operation reads.
    const std::vector<std::string> english = LayoutFiles(tree, UiLanguage::English);
    const Figures readLayouts = Time(rounds, [&] {
        for (const auto& file : english) (void)files.ReadAll(file);
    });
    int language = 0;
    const Figures readSwitch = Time(rounds, [&] {
        language = 1 - language;
        const auto ui = static_cast<UiLanguage>(language);
        (void)files.ReadAll(tree.Path("config.ini"));
        for (const auto& file : LayoutFiles(tree, ui)) (void)files.ReadAll(file);
        (void)files.ReadAll(macro::UserMacroFilePath(tree.dir.string(), ui));
    });

    std::printf("%d rounds each after one warm-up round\n", rounds);
    Print("baseline: read the 4 layout files' bytes", readLayouts, readLayouts);
    Print("layout load (the program's reader)", Time(rounds, [&] { program.LoadLayouts(UiLanguage::English); }),
          readLayouts);
    Print("baseline: read the bytes a language switch reads", readSwitch, readSwitch);
    Print("language switch (the program's reader and writer)", Time(rounds, [&] {
              language = 1 - language;
              program.SwitchTo(static_cast<UiLanguage>(language));
          }),
          readSwitch);
#ifdef _WIN32
    platform::Win32ProfileFiles system;
    Program viaSystem(tree, system);
    Print("layout load (system profile functions)",
          Time(rounds, [&] { viaSystem.LoadLayouts(UiLanguage::English); }), readLayouts);
    Print("language switch (system profile functions)", Time(rounds, [&] {
              language = 1 - language;
              viaSystem.SwitchTo(static_cast<UiLanguage>(language));
          }),
          readSwitch);
#endif
    for (const std::string& line : diagnostics.Lines()) std::fprintf(stderr, "%s\n", line.c_str());
    return diagnostics.Lines().empty() ? 0 : 1;
}
