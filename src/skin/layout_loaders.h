#pragma once
// The four layout loaders. Each picks its file by the interface language,
// reads its sections and overwrites its tables in place. They run at
// start-up and after every language change, in the order main, colour,
// advanced, warning.
#include <functional>
#include <string>

#include "platform/profile_files.h"
#include "platform/message_sink.h"
#include "settings/mouse_config.h"
#include "skin/skin_layout.h"

namespace vx::skin {

enum class LayoutFile { Main, Advanced, Color, Warning };

// SkinDir + "\INI_EN\..." or "\INI_CN\...".
std::string LayoutFilePath(const std::string& skinDir, settings::UiLanguage language, LayoutFile file);

struct LayoutSource {
    platform::ProfileFiles& profiles;
    platform::MessageSink& messages;
    // Started once when a layout file is missing (the program's exit).
    std::function<void()> shutdownDriver;
    std::string skinDir;
    settings::UiLanguage language = settings::UiLanguage::Chinese;
};

enum class LayoutLoadResult {
    Loaded,
    // The file was missing: the message was shown, the shutdown started and
    // the tables hold zeros; the caller must stop what it was doing.
    FileMissing,
};

// [BUTTONPOS] 0..123 and [FUN_STRING] 1..54; slot 14 then reads "OFF"
// (English) or "Aus" (Chinese).
LayoutLoadResult LoadMainLayout(const LayoutSource& source, Layouts& layouts);
// [BUTTONPOS] 0..12.
LayoutLoadResult LoadColorLayout(const LayoutSource& source, Layouts& layouts);
// [BUTTONPOS] 0..51, then [EDIT] 3, [EDIT] 4, [MACRODISPLAY] 1, [MACRODISPLAY] 2.
LayoutLoadResult LoadAdvancedLayout(const LayoutSource& source, Layouts& layouts);
// [BUTTONPOS] 0..2.
LayoutLoadResult LoadWarningLayout(const LayoutSource& source, Layouts& layouts);

// The four loaders in their order; stops at the first missing file.
LayoutLoadResult LoadAllLayouts(const LayoutSource& source, Layouts& layouts);

}  // namespace vx::skin
