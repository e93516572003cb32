#include "macro/macro_files.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <vector>

#include "macro/macro_text.h"

namespace vx::macro {
namespace {

constexpr const char* kSection = "Macros";
constexpr const char* kCountKey = "macroNum";
// macroNum is read two characters long ("123" counts as 12).
constexpr std::size_t kCountCapacity = 3;
constexpr std::size_t kRecordCapacity = kRecordDigits + 1;

bool IsEnglish(settings::UiLanguage language) { return settings::UsesEnglish(language); }

struct LoadedMacros {
    std::int16_t count = 0;
    std::vector<MacroRecord> records;  // only as many as fit the slots
};

// Reads a macro file outside any lock. The count is kept as read (16 bits);
// only records that have a slot are read, so a count beyond the slots, or a
// negative one, never reaches past the store.
LoadedMacros ReadMacroFile(platform::ProfileFiles& profiles, platform::MessageSink& messages, const std::string& path,
                           std::size_t slots) {
    if (!profiles.FileExists(path)) messages.ShowMessage(kMacroFileMissingText);
    LoadedMacros loaded;
    const long count = ParseLeadingInteger(profiles.ReadString(path, kSection, kCountKey, kCountCapacity));
    const long usable = std::clamp<long>(count, 0, static_cast<long>(slots));
    loaded.count = static_cast<std::int16_t>(usable);
    loaded.records.reserve(static_cast<std::size_t>(usable));
    for (long i = 0; i < usable; ++i) {
        const std::string digits = profiles.ReadString(path, kSection, std::to_string(i), kRecordCapacity);
        loaded.records.push_back(ParseRecordDigits(digits));
    }
    return loaded;
}

template <std::size_t N>
void StoreRecords(std::array<MacroRecord, N>& slots, const LoadedMacros& loaded) {
    std::copy(loaded.records.begin(), loaded.records.end(), slots.begin());
}

}  // namespace

std::string UserMacroFilePath(const std::string& programDir, settings::UiLanguage language) {
    return programDir + (IsEnglish(language) ? "\\Macro_EN.dat" : "\\Macro_CN.dat");
}

std::string ConstantMacroFilePath(const std::string& programDir) { return programDir + "\\constMacro.dat"; }

std::string DefaultMacroFilePath(const std::string& skinDir, settings::UiLanguage language) {
    return skinDir + (IsEnglish(language) ? "\\INI_EN\\defMacro.dat" : "\\INI_CN\\defMacro.dat");
}

void LoadUserMacros(MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                    platform::MessageSink& messages, const std::string& path) {
    const LoadedMacros loaded = ReadMacroFile(profiles, messages, path, kUserMacroSlots);
    std::lock_guard lock(configLock);
    store.userMacroCount = loaded.count;
    store.selectedMacro = loaded.count > 0 ? loaded.count - 1 : 0;
    StoreRecords(store.user, loaded);
}

void LoadConstantMacros(MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                        platform::MessageSink& messages, const std::string& path) {
    const LoadedMacros loaded = ReadMacroFile(profiles, messages, path, kConstantMacroSlots);
    std::lock_guard lock(configLock);
    store.constantMacroCount = loaded.count;
    StoreRecords(store.constant, loaded);
}

bool SaveUserMacros(const MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                    const std::string& path) {
    std::vector<platform::ProfileEntry> entries;
    {
        std::lock_guard lock(configLock);
        // The count only ever holds 0..12 here, but a stray value must not
        // read past the slots.
        const int count = std::clamp<int>(store.userMacroCount, 0, static_cast<int>(kUserMacroSlots));
        entries.push_back({kCountKey, std::to_string(store.userMacroCount)});
        for (int i = 0; i < count; ++i) {
            entries.push_back({std::to_string(i), FormatRecordDigits(store.user[static_cast<std::size_t>(i)])});
        }
    }
    return profiles.WriteStrings(path, kSection, entries);
}

void RestoreDefaultMacros(MacroStore& store, std::mutex& configLock, platform::ProfileFiles& profiles,
                          platform::MessageSink& messages, const std::string& defaultsPath, const std::string& userPath) {
    LoadUserMacros(store, configLock, profiles, messages, defaultsPath);
    SaveUserMacros(store, configLock, profiles, userPath);
}

}  // namespace vx::macro
