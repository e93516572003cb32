// The four layout loaders over any layout file (the same bytes in all four
// files, in each encoding and language): the tables stay in range, hit
// tests give an element that holds the point or none, and every rectangle
// can be computed.
#include <string>

#include "fuzz_support.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "skin/layout_loaders.h"
#include "ui/hit_test.h"

namespace {

template <std::size_t N>
void CheckTable(const vx::skin::SkinLayout<N>& table, vx::Point point, int last) {
    for (const auto& entry : table) (void)entry.Bounds();
    const std::int32_t hit = vx::ui::HitTest(table, last, point);
    VX_FUZZ_CHECK(hit == vx::ui::NoElement || (hit >= 0 && hit <= last && hit < static_cast<int>(N)));
    if (hit != vx::ui::NoElement) VX_FUZZ_CHECK(table[static_cast<std::size_t>(hit)].Contains(point));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    fuzz::FuzzInput in(data, size);
    const std::uint8_t encoding = in.Byte();
    const auto language = static_cast<settings::UiLanguage>(in.Byte() & 1);
    const Point point{static_cast<std::int16_t>(in.Word()), static_cast<std::int16_t>(in.Word())};
    const int last = in.Byte();
    const std::string bytes = fuzz::AsFile(in.Rest(), encoding);

    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics);
    platform::testing::FakeMainWindow window;
    const std::string skinDir = "C:\\VX230\\skins";
    for (const auto file :
         {skin::LayoutFile::Main, skin::LayoutFile::Advanced, skin::LayoutFile::Color, skin::LayoutFile::Warning}) {
        files.SetFile(skin::LayoutFilePath(skinDir, language, file), bytes);
    }
    int shutdowns = 0;
    skin::Layouts layouts;
    const auto result =
        skin::LoadAllLayouts(skin::LayoutSource{profiles, window, [&] { ++shutdowns; }, skinDir, language}, layouts);
    VX_FUZZ_CHECK(result == skin::LayoutLoadResult::Loaded && shutdowns == 0);
    CheckTable(layouts.main, point, last);
    CheckTable(layouts.advanced, point, last);
    CheckTable(layouts.color, point, last);
    CheckTable(layouts.warning, point, last);
    for (const auto& rect : layouts.macroEditRects) VX_FUZZ_CHECK(rect.left <= rect.right || rect.right < rect.left);
    return 0;
}
