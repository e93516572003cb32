// Reading the run-time files over the real file system: the four layout
// files at start-up, and a language switch (the choice saved into
// config.ini, the four layouts and the user macros of the other language
// read again). Prints both times per operation.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "macro/macro_files.h"
#include "macro/macro_store.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/recording_diagnostics.h"
#include "settings/config_section.h"
#include "skin/layout_loaders.h"

namespace {

using namespace vx;
namespace fs = std::filesystem;

// A run-time tree (config.ini, macro files, skins\INI_*) in a fresh folder.
struct RunTimeTree {
    RunTimeTree() {
        dir = fs::temp_directory_path() / "vx_layout_bench";
        fs::remove_all(dir);
        fs::create_directories(dir / "skins");
        const fs::path data = fs::path(VX_SOURCE_DIR) / "data";
        for (const char* name : {"config.ini", "Macro_EN.dat", "Macro_CN.dat"}) fs::copy_file(data / name, dir / name);
        for (const char* name : {"INI_EN", "INI_CN"}) fs::copy(data / "skins" / name, dir / "skins" / name);
        // Files changed within the last second are read again at each use.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    }
    ~RunTimeTree() { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return dir.string() + "\\" + name; }
    fs::path dir;
};

struct Bench {
    RunTimeTree tree;
    platform::PosixFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    platform::testing::FakeMainWindow window;
    skin::Layouts layouts;
    macro::MacroStore macros;
    std::mutex configLock;

    skin::LayoutSource Source(settings::UiLanguage language) {
        return skin::LayoutSource{profiles, window, [] {}, tree.Path("skins"), language};
    }
};

void BM_LayoutLoad(benchmark::State& run) {
    Bench bench;
    for (auto _ : run) skin::LoadAllLayouts(bench.Source(settings::UiLanguage::English), bench.layouts);
}

void BM_LanguageSwitch(benchmark::State& run) {
    Bench bench;
    int language = 0;
    for (auto _ : run) {
        language = 1 - language;
        const auto ui = static_cast<settings::UiLanguage>(language);
        bench.profiles.WriteString(bench.tree.Path("config.ini"), settings::kInitSection, settings::kLanguageKey,
                                   std::to_string(language));
        skin::LoadAllLayouts(bench.Source(ui), bench.layouts);
        macro::LoadUserMacros(bench.macros, bench.configLock, bench.profiles, bench.window,
                              macro::UserMacroFilePath(bench.tree.dir.string(), ui));
    }
}

BENCHMARK(BM_LayoutLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
