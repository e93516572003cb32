// Profile-file behaviour the program relies on, checked against every
// implementation the build instantiates.
#include <string>
#include <thread>
#include <vector>

#include "platform/portable/utf_text.h"
#include "profile_contract.h"

namespace vx::platform {
namespace {

using namespace test_support;

const std::string kTwoSections = "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n";

std::string Utf16LeFile(const std::string& utf8) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST_P(ProfileContract, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(profiles().ReadString(Path("absent.ini"), "A", "x", 64), "");
    EXPECT_FALSE(profiles().FileExists(Path("absent.ini")));

    Put("c.ini", kTwoSections);
    EXPECT_TRUE(profiles().FileExists(Path("c.ini")));
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "Missing", "x", 64), "");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "z", 64), "");  // z lives in [B]
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "B", "z", 64), "3");
}

TEST_P(ProfileContract, ReadIsCutToCapacityMinusOne) {
    // The byte-order mark makes the system read the file as UTF-8 too.
    Put("c.ini", "\xEF\xBB\xBF[A]\r\nlong=123456789\r\nwide=\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97\r\n");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "long", 5), "1234");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "long", 10), "123456789");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "long", 64), "123456789");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "long", 1), "");
    // Cut counts UTF-16 units, not UTF-8 bytes.
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "wide", 3), "\xE4\xB8\xAD\xE6\x96\x87");
}

TEST_P(ProfileContract, ReadTrimsBlanksAndOnePairOfQuotes) {
    Put("c.ini", "[A]\r\nplain =  7 \r\nquoted=\"a b\"\r\nsingle='c'\r\nodd=\"d\r\n");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "plain", 64), "7");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "quoted", 64), "a b");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "single", 64), "c");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "odd", 64), "\"d");
}

TEST_P(ProfileContract, NewFileHoldsOneSectionInWriteOrder) {
    ASSERT_TRUE(profiles().WriteString(Path("n.ini"), "Config3", "K0", "1"));
    ASSERT_TRUE(profiles().WriteString(Path("n.ini"), "Config3", "K1", "3"));
    EXPECT_EQ(Get("n.ini"), "[Config3]\r\nK0=1\r\nK1=3\r\n");
}

TEST_P(ProfileContract, NewKeyGoesToTheEndOfItsSection) {
    Put("c.ini", kTwoSections);
    ASSERT_TRUE(profiles().WriteString(Path("c.ini"), "A", "new", "4"));
    EXPECT_EQ(Get("c.ini"), "[A]\r\nx=1\r\ny=2\r\nnew=4\r\n[B]\r\nz=3\r\n");
}

TEST_P(ProfileContract, ExistingValueIsReplacedInPlace) {
    Put("c.ini", kTwoSections);
    ASSERT_TRUE(profiles().WriteString(Path("c.ini"), "A", "x", "-15"));
    EXPECT_EQ(Get("c.ini"), "[A]\r\nx=-15\r\ny=2\r\n[B]\r\nz=3\r\n");
}

TEST_P(ProfileContract, NewSectionGoesToTheEndOfTheFile) {
    Put("c.ini", kTwoSections);
    ASSERT_TRUE(profiles().WriteString(Path("c.ini"), "Config7", "K0", "1"));
    EXPECT_EQ(Get("c.ini"), kTwoSections + "[Config7]\r\nK0=1\r\n");
}

TEST_P(ProfileContract, NamesCompareWithoutLetterCase) {
    Put("c.ini", "[Config1]\r\nDpi_Level=2\r\n");
    EXPECT_EQ(profiles().ReadString(Path("c.ini"), "CONFIG1", "dpi_level", 64), "2");
    ASSERT_TRUE(profiles().WriteString(Path("c.ini"), "config1", "DPI_LEVEL", "3"));
    EXPECT_EQ(Get("c.ini"), "[Config1]\r\nDpi_Level=3\r\n");
}

TEST_P(ProfileContract, Utf16FileIsReadAndStaysUtf16) {
    Put("u16.ini", Utf16LeFile("[Macros]\r\nname=\xE5\xAE\x8F\xE4\xB8\x80\r\n"));
    EXPECT_EQ(profiles().ReadString(Path("u16.ini"), "Macros", "name", 64), "\xE5\xAE\x8F\xE4\xB8\x80");
    ASSERT_TRUE(profiles().WriteString(Path("u16.ini"), "Macros", "count", "2"));
    EXPECT_EQ(Get("u16.ini"), Utf16LeFile("[Macros]\r\nname=\xE5\xAE\x8F\xE4\xB8\x80\r\ncount=2\r\n"));
}

TEST_P(ProfileContract, Utf8FileWithChineseIsRead) {
    Put("u8.ini", "\xEF\xBB\xBF[FUN_STRING]\r\n1=\xE5\xB7\xA6\xE9\x94\xAE\r\n");
    EXPECT_EQ(profiles().ReadString(Path("u8.ini"), "FUN_STRING", "1", 64), "\xE5\xB7\xA6\xE9\x94\xAE");
}

TEST_P(ProfileContract, LfOnlyFileIsRead) {
    Put("lf.ini", "[Init]\nCurConfig=2\nVER_SEL=1\n");
    EXPECT_EQ(profiles().ReadString(Path("lf.ini"), "Init", "CurConfig", 5), "2");
    EXPECT_EQ(profiles().ReadString(Path("lf.ini"), "Init", "VER_SEL", 5), "1");
    ASSERT_TRUE(profiles().WriteString(Path("lf.ini"), "Init", "CurConfig", "4"));
    EXPECT_EQ(profiles().ReadString(Path("lf.ini"), "Init", "CurConfig", 5), "4");
    EXPECT_EQ(profiles().ReadString(Path("lf.ini"), "Init", "VER_SEL", 5), "1");
}

TEST_P(ProfileContract, WriteStringsEqualsSingleWritesInOrder) {
    const std::vector<ProfileEntry> entries = {{"x", "10"}, {"new1", "a"}, {"X", "11"}, {"new2", "b"}};
    for (const std::string name : {"one.ini", "many.ini"}) Put(name, kTwoSections);
    for (const auto& e : entries) ASSERT_TRUE(profiles().WriteString(Path("one.ini"), "A", e.key, e.value));
    ASSERT_TRUE(profiles().WriteStrings(Path("many.ini"), "A", entries));
    EXPECT_EQ(Get("many.ini"), Get("one.ini"));

    for (const auto& e : entries) ASSERT_TRUE(profiles().WriteString(Path("one-new.ini"), "S", e.key, e.value));
    ASSERT_TRUE(profiles().WriteStrings(Path("many-new.ini"), "S", entries));
    EXPECT_EQ(Get("many-new.ini"), Get("one-new.ini"));
}

TEST_P(ProfileContract, TextThatWouldSplitALineIsRefused) {
    Put("c.ini", kTwoSections);
    EXPECT_FALSE(profiles().WriteString(Path("c.ini"), "A", "x", "1\r\n[Init]\r\nCurConfig=9"));
    EXPECT_FALSE(profiles().WriteString(Path("c.ini"), "A", "bad\nkey", "1"));
    EXPECT_FALSE(profiles().WriteStrings(Path("c.ini"), "A", {{"y", "5"}, {"z", "a\nb"}}));
    EXPECT_EQ(Get("c.ini"), kTwoSections);
}

TEST_P(ProfileContract, ReadOnlyFileRefusesWritesAndKeepsItsBytes) {
    if (!RefusesReadOnlyFiles()) GTEST_SKIP() << "this system writes read-only files for this user";
    const std::string before = "[A]\r\nk=1\r\n";
    Put("ro.ini", before);
    SetReadOnly("ro.ini", true);
    EXPECT_FALSE(profiles().WriteString(Path("ro.ini"), "A", "k", "2"));
    EXPECT_FALSE(profiles().WriteStrings(Path("ro.ini"), "B", {{"n", "3"}}));
    EXPECT_EQ(profiles().ReadString(Path("ro.ini"), "A", "k", 8), "1");
    SetReadOnly("ro.ini", false);
    EXPECT_EQ(Get("ro.ini"), before);
    EXPECT_TRUE(profiles().WriteString(Path("ro.ini"), "A", "k", "2"));
    EXPECT_EQ(profiles().ReadString(Path("ro.ini"), "A", "k", 8), "2");
}

TEST_P(ProfileContract, FileChangedBehindTheProfilesIsReadAnew) {
    // Same size each time, and at once: only a real look at the file tells.
    for (const char* value : {"1", "2", "3"}) {
        Put("c.ini", std::string("[A]\r\nk=") + value + "\r\n");
        EXPECT_EQ(profiles().ReadString(Path("c.ini"), "A", "k", 8), value);
    }
}

TEST_P(ProfileContract, WritesFromTwoThreadsAllLand) {
    constexpr int kRounds = 40;
    auto writer = [&](const std::string& section) {
        for (int i = 0; i < kRounds; ++i) {
            profiles().WriteString(Path("t.ini"), section, std::string("K") + std::to_string(i % 8), std::to_string(i));
        }
    };
    std::thread first(writer, "Config1");
    std::thread second(writer, "Config6");
    first.join();
    second.join();
    for (const std::string section : {"Config1", "Config6"}) {
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(profiles().ReadString(Path("t.ini"), section, std::string("K") + std::to_string(k), 8),
                      std::to_string(kRounds - 8 + k))
                << section << " K" << k;
        }
    }
}

}  // namespace
}  // namespace vx::platform
