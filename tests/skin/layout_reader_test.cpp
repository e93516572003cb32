#include <gtest/gtest.h>

#include <string>

#include "platform/portable/portable_profile_files.h"
#include "platform/testing/fake_main_window.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"
#include "skin/layout_reader.h"

namespace vx::skin {
namespace {

using Fields = LayoutFields;

TEST(LayoutValueSplit, SixCommasGiveTheSevenFieldsInOrder) {
    const SplitLayout split = SplitLayoutValue("ok,10,20,30,40,Apply,");
    EXPECT_EQ(split.fields, (Fields{"ok", "10", "20", "30", "40", "Apply", ""}));
    EXPECT_FALSE(split.tooManyCommas);
}

TEST(LayoutValueSplit, NoCommaIsFieldZeroAlone) {
    EXPECT_EQ(SplitLayoutValue("12").fields, (Fields{"12", "", "", "", "", "", ""}));
    EXPECT_EQ(SplitLayoutValue("").fields, Fields{});
}

TEST(LayoutValueSplit, AFieldWithoutCommaRestartsTheSearchFromTheBeginning) {
    EXPECT_EQ(SplitLayoutValue("a,b,c").fields, (Fields{"a", "b", "", "a", "b", "", "a,b,c"}));
}

TEST(LayoutValueSplit, MoreThanSixCommasKeepTheRestInFieldSix) {
    const SplitLayout split = SplitLayoutValue("n,1,2,3,4,cap,x,y,z");
    EXPECT_TRUE(split.tooManyCommas);
    EXPECT_EQ(split.fields, (Fields{"n", "1", "2", "3", "4", "cap", "x,y,z"}));
}

TEST(LayoutValueSplit, TrailingCommaLeavesEmptyFieldsAndRestartsAfterTheEnd) {
    // After "a," the next search would start past the end: no comma there.
    EXPECT_EQ(SplitLayoutValue("a,").fields, (Fields{"a", "", "a", "", "a", "", "a,"}));
    EXPECT_EQ(SplitLayoutValue(",,,,,,").fields, Fields{});
}

TEST(LayoutValueSplit, MultiByteTextStaysWhole) {
    EXPECT_EQ(SplitLayoutValue("确定,1,2,3,4,应用,尾").fields, (Fields{"确定", "1", "2", "3", "4", "应用", "尾"}));
}

class LayoutValueRead : public ::testing::Test {
protected:
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    platform::testing::FakeMainWindow window;
};

TEST_F(LayoutValueRead, ShowsTheFormatErrorOncePerValueWithTooManyCommas) {
    files.SetFile("skin.ini", "[BUTTONPOS]\r\n0=a,1,2,3,4,b,c,d,e\r\n1=a,1,2,3,4,b,\r\n");
    const Fields bad = ReadLayoutValue(profiles, window, "skin.ini", "BUTTONPOS", 0);
    EXPECT_EQ(bad[6], "c,d,e");
    ReadLayoutValue(profiles, window, "skin.ini", "BUTTONPOS", 1);
    ASSERT_EQ(window.MessageBoxes().size(), 1u);
    EXPECT_EQ(window.MessageBoxes()[0].first, "加载ini错误！");
    EXPECT_EQ(window.MessageBoxes()[0].second, "");
}

TEST_F(LayoutValueRead, ValuesAreCutAt259Characters) {
    const std::string longCaption(300, 'x');
    files.SetFile("skin.ini", "[BUTTONPOS]\r\n0=n,1,2,3,4," + longCaption + ",\r\n");
    const Fields fields = ReadLayoutValue(profiles, window, "skin.ini", "BUTTONPOS", 0);
    // The cut drops the caption's closing comma: the caption field finds no
    // comma and field 6 becomes the whole (cut) value.
    EXPECT_EQ(fields[4], "4");
    EXPECT_EQ(fields[5], "");
    EXPECT_EQ(fields[6], "n,1,2,3,4," + std::string(249, 'x'));
}

TEST_F(LayoutValueRead, MissingKeyOrSectionIsEmptyWithoutMessage) {
    files.SetFile("skin.ini", "[BUTTONPOS]\r\n0=a,1,2,3,4,b,\r\n");
    EXPECT_EQ(ReadLayoutValue(profiles, window, "skin.ini", "BUTTONPOS", 7), Fields{});
    EXPECT_EQ(ReadLayoutValue(profiles, window, "skin.ini", "EDIT", 0), Fields{});
    EXPECT_TRUE(window.MessageBoxes().empty());
}

}  // namespace
}  // namespace vx::skin
