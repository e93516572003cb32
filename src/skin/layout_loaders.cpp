#include "skin/layout_loaders.h"

#include <string_view>
#include <utility>

#include "settings/ini_value.h"
#include "skin/layout_reader.h"

namespace vx::skin {

namespace {

using settings::UiLanguage;

// Reads the values of one file, all empty when the file is missing. The
// missing file is reported once and ends the program.
class FileValues {
public:
    FileValues(const LayoutSource& source, std::string file) : source_(source), file_(std::move(file)) {
        present_ = source_.profiles.FileExists(file_);
        if (!present_) {
            source_.messages.ShowMessage(kLayoutFileMissing);
            if (source_.shutdownDriver) source_.shutdownDriver();
        }
    }

    bool present() const { return present_; }

    LayoutFields Read(std::string_view section, int key) const {
        if (!present_) return {};
        return ReadLayoutValue(source_.profiles, source_.messages, file_, section, key);
    }

private:
    const LayoutSource& source_;
    std::string file_;
    bool present_ = false;
};

LayoutEntry EntryFromFields(LayoutFields& fields) {
    LayoutEntry entry;
    entry.x = settings::ParseIniInt(fields[1]);
    entry.y = settings::ParseIniInt(fields[2]);
    entry.width = settings::ParseIniInt(fields[3]);
    entry.height = settings::ParseIniInt(fields[4]);
    entry.caption = std::move(fields[5]);
    return entry;
}

template <std::size_t N>
void ReadButtonPositions(const FileValues& values, SkinLayout<N>& table) {
    for (std::size_t key = 0; key < N; ++key) {
        LayoutFields fields = values.Read("BUTTONPOS", static_cast<int>(key));
        table[key] = EntryFromFields(fields);
    }
}

Rect RectFromValue(const FileValues& values, std::string_view section, int key) {
    LayoutFields fields = values.Read(section, key);
    return EntryFromFields(fields).Bounds();
}

LayoutLoadResult ResultOf(const FileValues& values) {
    return values.present() ? LayoutLoadResult::Loaded : LayoutLoadResult::FileMissing;
}

}  // namespace

std::string LayoutFilePath(const std::string& skinDir, UiLanguage language, LayoutFile file) {
    const bool english = settings::UsesEnglish(language);
    const char* name = "";
    switch (file) {
        case LayoutFile::Main: name = english ? "\\INI_EN\\skin_main_en.ini" : "\\INI_CN\\skin_main.ini"; break;
        case LayoutFile::Advanced:
            name = english ? "\\INI_EN\\skin_advance_en.ini" : "\\INI_CN\\skin_advance.ini";
            break;
        case LayoutFile::Color: name = english ? "\\INI_EN\\skin_color_en.ini" : "\\INI_CN\\skin_color.ini"; break;
        case LayoutFile::Warning: name = english ? "\\INI_EN\\LBWarning_en.ini" : "\\INI_CN\\LBWarning.ini"; break;
    }
    return skinDir + name;
}

LayoutLoadResult LoadMainLayout(const LayoutSource& source, Layouts& layouts) {
    const FileValues values(source, LayoutFilePath(source.skinDir, source.language, LayoutFile::Main));
    ReadButtonPositions(values, layouts.main);
    layouts.functionNames[0].clear();
    for (int code = 1; code < static_cast<int>(kFunctionNameCount); ++code) {
        layouts.functionNames[static_cast<std::size_t>(code)] = std::move(values.Read("FUN_STRING", code)[0]);
    }
    // Code 14 always shows the same fixed word, whatever the file says.
    layouts.functionNames[14] = settings::UsesEnglish(source.language) ? "OFF" : "Aus";
    return ResultOf(values);
}

LayoutLoadResult LoadColorLayout(const LayoutSource& source, Layouts& layouts) {
    const FileValues values(source, LayoutFilePath(source.skinDir, source.language, LayoutFile::Color));
    ReadButtonPositions(values, layouts.color);
    return ResultOf(values);
}

LayoutLoadResult LoadAdvancedLayout(const LayoutSource& source, Layouts& layouts) {
    const FileValues values(source, LayoutFilePath(source.skinDir, source.language, LayoutFile::Advanced));
    ReadButtonPositions(values, layouts.advanced);
    layouts.macroEditRects[0] = RectFromValue(values, "EDIT", 3);
    layouts.macroEditRects[1] = RectFromValue(values, "EDIT", 4);
    layouts.macroDisplayRects[0] = RectFromValue(values, "MACRODISPLAY", 1);
    layouts.macroDisplayRects[1] = RectFromValue(values, "MACRODISPLAY", 2);
    return ResultOf(values);
}

LayoutLoadResult LoadWarningLayout(const LayoutSource& source, Layouts& layouts) {
    const FileValues values(source, LayoutFilePath(source.skinDir, source.language, LayoutFile::Warning));
    ReadButtonPositions(values, layouts.warning);
    return ResultOf(values);
}

LayoutLoadResult LoadAllLayouts(const LayoutSource& source, Layouts& layouts) {
    for (auto* load : {&LoadMainLayout, &LoadColorLayout, &LoadAdvancedLayout, &LoadWarningLayout}) {
        if (load(source, layouts) == LayoutLoadResult::FileMissing) return LayoutLoadResult::FileMissing;
    }
    return LayoutLoadResult::Loaded;
}

}  // namespace vx::skin
