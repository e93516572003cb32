#pragma once
// The settings subsystem's state: where the files are, the two process-wide
// selectors and the one configuration being edited.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "settings/mouse_config.h"

namespace vx::settings {

struct SettingsStore {
    // Base paths, never ending in a separator.
    std::string ProgramDir;
    std::string ConfigPath;
    std::string SkinDir;
    // 1..5; read by the action player when it mirrors a DPI change.
    std::atomic<std::int32_t> CurrentConfigNumber{0};
    settings::UiLanguage UiLanguage = settings::UiLanguage::Chinese;

    // ConfigLock guards `config`, and also the macro records and counts
    // (macro::MacroStore) and the results of the last apply
    // (device::ApplyResults): the action player reads all three together.
    // Take it before the device's ReportLock; never hold it across a sleep.
    MouseConfig config;
    std::mutex ConfigLock;
};

}  // namespace vx::settings
