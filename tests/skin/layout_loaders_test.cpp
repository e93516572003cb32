#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/portable_profile_files.h"
#include "platform/portable/utf_text.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "skin/layout_loaders.h"

namespace vx::skin {
namespace {

using settings::UiLanguage;

const std::string kSkinDir = "C:\\vx\\skins";

// The text as UTF-16LE with a byte-order mark, as the shipped files are.
std::string Utf16File(const std::string& utf8) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : platform::Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

class LayoutLoading : public ::testing::Test {
protected:
    LayoutSource Source(UiLanguage language) {
        return LayoutSource{profiles, window, [this] { ++shutdowns; }, kSkinDir, language};
    }
    std::string PathOf(UiLanguage language, LayoutFile file) { return LayoutFilePath(kSkinDir, language, file); }
    void PutAllFiles(UiLanguage language) {
        for (LayoutFile file : {LayoutFile::Main, LayoutFile::Advanced, LayoutFile::Color, LayoutFile::Warning}) {
            if (!files.Exists(PathOf(language, file))) files.SetFile(PathOf(language, file), "[BUTTONPOS]\r\n");
        }
    }

    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    platform::testing::FakeMainWindow window;
    int shutdowns = 0;
    Layouts layouts;
};

TEST_F(LayoutLoading, FilePathsFollowTheLanguage) {
    EXPECT_EQ(PathOf(UiLanguage::English, LayoutFile::Main), "C:\\vx\\skins\\INI_EN\\skin_main_en.ini");
    EXPECT_EQ(PathOf(UiLanguage::Chinese, LayoutFile::Main), "C:\\vx\\skins\\INI_CN\\skin_main.ini");
    EXPECT_EQ(PathOf(UiLanguage::English, LayoutFile::Advanced), "C:\\vx\\skins\\INI_EN\\skin_advance_en.ini");
    EXPECT_EQ(PathOf(UiLanguage::Chinese, LayoutFile::Advanced), "C:\\vx\\skins\\INI_CN\\skin_advance.ini");
    EXPECT_EQ(PathOf(UiLanguage::English, LayoutFile::Color), "C:\\vx\\skins\\INI_EN\\skin_color_en.ini");
    EXPECT_EQ(PathOf(UiLanguage::Chinese, LayoutFile::Color), "C:\\vx\\skins\\INI_CN\\skin_color.ini");
    EXPECT_EQ(PathOf(UiLanguage::English, LayoutFile::Warning), "C:\\vx\\skins\\INI_EN\\LBWarning_en.ini");
    EXPECT_EQ(PathOf(UiLanguage::Chinese, LayoutFile::Warning), "C:\\vx\\skins\\INI_CN\\LBWarning.ini");
}

TEST_F(LayoutLoading, ButtonPositionGivesRectangleAndCaption) {
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Main),
                  "[BUTTONPOS]\r\n3=ok,10,20,30,40,Apply,\r\n5=12\r\n6=n, -7 ,+8,9px,x,,\r\n");
    ASSERT_EQ(LoadMainLayout(Source(UiLanguage::English), layouts), LayoutLoadResult::Loaded);
    const LayoutEntry& apply = layouts.main[3];
    EXPECT_EQ(apply, (LayoutEntry{10, 20, 30, 40, "Apply"}));
    EXPECT_TRUE(apply.Contains({39, 59}));
    EXPECT_FALSE(apply.Contains({40, 59}));
    EXPECT_FALSE(apply.Contains({39, 60}));
    EXPECT_EQ(layouts.main[5], LayoutEntry{});
    // Numbers read like settings values: white space, sign, digits.
    EXPECT_EQ(layouts.main[6], (LayoutEntry{-7, 8, 9, 0, ""}));
    EXPECT_TRUE(window.MessageBoxes().empty());
}

TEST_F(LayoutLoading, FunctionNamesComeFromFieldZeroAndSlot14IsFixed) {
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Main),
                  "[FUN_STRING]\r\n0=never\r\n1=Left Click\r\n14=Something\r\n54=Last,ignored\r\n55=beyond\r\n");
    LoadMainLayout(Source(UiLanguage::English), layouts);
    EXPECT_EQ(layouts.functionNames[0], "");
    EXPECT_EQ(layouts.functionNames[1], "Left Click");
    EXPECT_EQ(layouts.functionNames[14], "OFF");
    EXPECT_EQ(layouts.functionNames[54], "Last");
    EXPECT_EQ(layouts.functionNames[2], "");

    files.SetFile(PathOf(UiLanguage::Chinese, LayoutFile::Main), "[FUN_STRING]\r\n14=关闭\r\n");
    LoadMainLayout(Source(UiLanguage::Chinese), layouts);
    EXPECT_EQ(layouts.functionNames[14], "Aus");
    EXPECT_EQ(layouts.functionNames[1], "");
}

TEST_F(LayoutLoading, Utf16FileCarriesChineseCaptionsAndNames) {
    files.SetFile(PathOf(UiLanguage::Chinese, LayoutFile::Main),
                  Utf16File("[BUTTONPOS]\r\n0=save,5,6,70,24,保存,\r\n[FUN_STRING]\r\n1=左键\r\n"));
    LoadMainLayout(Source(UiLanguage::Chinese), layouts);
    EXPECT_EQ(layouts.main[0], (LayoutEntry{5, 6, 70, 24, "保存"}));
    EXPECT_EQ(layouts.functionNames[1], "左键");
}

TEST_F(LayoutLoading, AdvancedFileFillsTheEditorRectangles) {
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Advanced),
                  "[BUTTONPOS]\r\n51=last,1,2,3,4,End,\r\n"
                  "[EDIT]\r\n3=e,10,20,30,40,,\r\n4=e,1,2,3,4,,\r\n"
                  "[MACRODISPLAY]\r\n1=m,100,200,50,60,,\r\n2=m,-5,0,5,9,,\r\n");
    LoadAdvancedLayout(Source(UiLanguage::English), layouts);
    EXPECT_EQ(layouts.advanced[51].caption, "End");
    EXPECT_EQ(layouts.macroEditRects[0], (Rect{10, 20, 40, 60}));
    EXPECT_EQ(layouts.macroEditRects[1], (Rect{1, 2, 4, 6}));
    EXPECT_EQ(layouts.macroDisplayRects[0], (Rect{100, 200, 150, 260}));
    EXPECT_EQ(layouts.macroDisplayRects[1], (Rect{-5, 0, 0, 9}));
}

TEST_F(LayoutLoading, EveryEntryOfEachTableIsRead) {
    std::string color = "[BUTTONPOS]\r\n";
    for (int key = 0; key <= 13; ++key) color += std::to_string(key) + "=c," + std::to_string(key) + ",0,1,1,,\r\n";
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Color), color);
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Warning),
                  "[BUTTONPOS]\r\n0=w,1,1,1,1,Go on,\r\n2=w,3,3,3,3,Careful,\r\n3=w,9,9,9,9,No,\r\n");
    LoadColorLayout(Source(UiLanguage::English), layouts);
    LoadWarningLayout(Source(UiLanguage::English), layouts);
    for (int key = 0; key <= 12; ++key) EXPECT_EQ(layouts.color[static_cast<std::size_t>(key)].x, key);
    EXPECT_EQ(layouts.warning[0].caption, "Go on");
    EXPECT_EQ(layouts.warning[1], LayoutEntry{});
    EXPECT_EQ(layouts.warning[2].caption, "Careful");
}

TEST_F(LayoutLoading, MalformedValueIsReportedOnceAndLoadingGoesOn) {
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Main),
                  "[BUTTONPOS]\r\n1=n,1,2,3,4,cap,a,b\r\n2=n,5,6,7,8,Next,\r\n");
    EXPECT_EQ(LoadMainLayout(Source(UiLanguage::English), layouts), LayoutLoadResult::Loaded);
    ASSERT_EQ(window.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.MessageBoxes()[0], (std::pair<std::string, std::string>{"加载ini错误！", ""}));
    EXPECT_EQ(layouts.main[1], (LayoutEntry{1, 2, 3, 4, "cap"}));
    EXPECT_EQ(layouts.main[2], (LayoutEntry{5, 6, 7, 8, "Next"}));
    EXPECT_EQ(shutdowns, 0);
}

TEST_F(LayoutLoading, MissingFileIsReportedOnceShutsDownAndEndsLoading) {
    layouts.main[0] = LayoutEntry{1, 2, 3, 4, "old"};
    layouts.functionNames[3] = "old";
    PutAllFiles(UiLanguage::English);
    files.RemoveFile(PathOf(UiLanguage::English, LayoutFile::Main));
    EXPECT_EQ(LoadAllLayouts(Source(UiLanguage::English), layouts), LayoutLoadResult::FileMissing);
    ASSERT_EQ(window.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.MessageBoxes()[0], (std::pair<std::string, std::string>{"找不到配置文件", ""}));
    EXPECT_EQ(shutdowns, 1);
    // The missing file's values read as empty.
    EXPECT_EQ(layouts.main[0], LayoutEntry{});
    EXPECT_EQ(layouts.functionNames[3], "");
    EXPECT_EQ(layouts.functionNames[14], "OFF");
}

TEST_F(LayoutLoading, LoadAllStopsAtTheFirstMissingFileInItsOrder) {
    PutAllFiles(UiLanguage::Chinese);
    files.SetFile(PathOf(UiLanguage::Chinese, LayoutFile::Warning), "[BUTTONPOS]\r\n0=w,1,1,1,1,Old,\r\n");
    LoadWarningLayout(Source(UiLanguage::Chinese), layouts);
    // Colour comes before advanced and warning: neither is read afterwards.
    files.RemoveFile(PathOf(UiLanguage::Chinese, LayoutFile::Color));
    files.SetFile(PathOf(UiLanguage::Chinese, LayoutFile::Warning), "[BUTTONPOS]\r\n0=w,1,1,1,1,New,\r\n");
    EXPECT_EQ(LoadAllLayouts(Source(UiLanguage::Chinese), layouts), LayoutLoadResult::FileMissing);
    EXPECT_EQ(layouts.warning[0].caption, "Old");
    EXPECT_EQ(shutdowns, 1);
    EXPECT_EQ(window.MessageBoxes().size(), 1u);
}

TEST_F(LayoutLoading, LanguageSwitchReloadsAndClearsKeysOnlyInTheOldFile) {
    PutAllFiles(UiLanguage::English);
    PutAllFiles(UiLanguage::Chinese);
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Main),
                  "[BUTTONPOS]\r\n0=s,1,1,10,10,Save,\r\n40=x,5,5,5,5,Only English,\r\n");
    files.SetFile(PathOf(UiLanguage::Chinese, LayoutFile::Main), "[BUTTONPOS]\r\n0=s,1,1,10,10,保存,\r\n");
    files.SetFile(PathOf(UiLanguage::English, LayoutFile::Color), "[BUTTONPOS]\r\n12=c,1,1,1,1,Preview,\r\n");
    ASSERT_EQ(LoadAllLayouts(Source(UiLanguage::English), layouts), LayoutLoadResult::Loaded);
    EXPECT_EQ(layouts.main[40].caption, "Only English");
    ASSERT_EQ(LoadAllLayouts(Source(UiLanguage::Chinese), layouts), LayoutLoadResult::Loaded);
    EXPECT_EQ(layouts.main[0].caption, "保存");
    EXPECT_EQ(layouts.main[40], LayoutEntry{});
    EXPECT_EQ(layouts.color[12], LayoutEntry{});
    EXPECT_EQ(layouts.functionNames[14], "Aus");
    EXPECT_TRUE(window.MessageBoxes().empty());
}

}  // namespace
}  // namespace vx::skin
