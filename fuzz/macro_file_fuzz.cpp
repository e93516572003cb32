// The macro files: any file loads with counts and the selection inside the
// slots; the user macros saved and loaded again are what was saved; a save
// into the file keeps the file's other sections.
#include <mutex>
#include <string>

#include "fuzz_support.h"
#include "macro/macro_files.h"
#include "macro/macro_store.h"
#include "platform/portable/ini_document.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    fuzz::FuzzInput in(data, size);
    const std::uint8_t encoding = in.Byte();
    const std::string bytes = fuzz::AsFile(in.Rest(), encoding);

    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics);
    platform::testing::FakeMainWindow window;
    std::mutex configLock;
    const std::string path = "C:\\VX230\\Macro_EN.dat";
    files.SetFile(path, bytes);

    macro::MacroStore store;
    macro::LoadUserMacros(store, configLock, profiles, window, path);
    VX_FUZZ_CHECK(store.userMacroCount >= 0 && store.userMacroCount <= static_cast<int>(macro::kUserMacroSlots));
    VX_FUZZ_CHECK(store.selectedMacro >= 0 &&
                  (store.userMacroCount == 0 ? store.selectedMacro == 0 : store.selectedMacro < store.userMacroCount));
    macro::LoadConstantMacros(store, configLock, profiles, window, path);
    VX_FUZZ_CHECK(store.constantMacroCount >= 0 &&
                  store.constantMacroCount <= static_cast<int>(macro::kConstantMacroSlots));
    for (const macro::MacroRecord& record : store.user) VX_FUZZ_CHECK(record.eventCount <= macro::kMacroEventSlots);

    // Round trip through a new file.
    const std::string copy = "C:\\VX230\\Macro_CN.dat";
    VX_FUZZ_CHECK(macro::SaveUserMacros(store, configLock, profiles, copy));
    macro::MacroStore back;
    macro::LoadUserMacros(back, configLock, profiles, window, copy);
    VX_FUZZ_CHECK(back.userMacroCount == store.userMacroCount);
    for (int i = 0; i < store.userMacroCount; ++i) VX_FUZZ_CHECK(back.user[i] == store.user[i]);

    // A save into the file itself: every other section reads as before.
    const platform::IniDocument before = platform::IniDocument::Parse(bytes);
    if (macro::SaveUserMacros(store, configLock, profiles, path)) {
        const platform::IniDocument after = platform::IniDocument::Parse(*files.GetFile(path));
        for (const auto& [section, key] : fuzz::KeysOf(before)) {
            if (!fuzz::SameName(section, "Macros"))
                VX_FUZZ_CHECK(after.Find(section, key) == before.Find(section, key));
        }
        macro::MacroStore reloaded;
        macro::LoadUserMacros(reloaded, configLock, profiles, window, path);
        VX_FUZZ_CHECK(reloaded.userMacroCount == store.userMacroCount);
        for (int i = 0; i < store.userMacroCount; ++i) VX_FUZZ_CHECK(reloaded.user[i] == store.user[i]);
    }
    return 0;
}
