// What the portable profile code keeps beyond the shared profile behaviour:
// untouched lines, encodings, refused input and the crash-safe save.
#include <gtest/gtest.h>

#include "platform/portable/ini_document.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/portable/utf_text.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"

namespace vx::platform {
namespace {

TEST(IniDocumentTest, KeepsCommentsBlankLinesAndUnknownLinesVerbatim) {
    const std::string text = "; settings\r\n\r\n[A]\r\n  x = 1 \r\n; note\r\nstray line\r\n\r\n[B]\r\nz=3\r\n";
    IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Serialize(), text);
    doc.Set("B", "z", "4");
    EXPECT_EQ(doc.Serialize(), "; settings\r\n\r\n[A]\r\n  x = 1 \r\n; note\r\nstray line\r\n\r\n[B]\r\nz=4\r\n");
}

TEST(IniDocumentTest, NewKeyGoesAfterTheLastKeyBeforeTrailingBlankLines) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1\r\n\r\n\r\n[B]\r\n");
    doc.Set("a", "y", "2");
    doc.Set("B", "w", "5");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=1\r\ny=2\r\n\r\n\r\n[B]\r\nw=5\r\n");
}

TEST(IniDocumentTest, KeyInAnEmptySectionFollowsItsHeader) {
    IniDocument doc = IniDocument::Parse("[A]\r\n\r\n[B]\r\nz=1\r\n");
    doc.Set("A", "x", "1");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=1\r\n\r\n[B]\r\nz=1\r\n");
}

TEST(IniDocumentTest, FirstOfDuplicateSectionsAndKeysWins) {
    IniDocument doc = IniDocument::Parse("[A]\nx=1\nx=2\n[a]\nx=3\ny=4\n");
    EXPECT_EQ(doc.Find("A", "x"), "1");
    EXPECT_EQ(doc.Find("A", "y"), std::nullopt);  // only the first [A] is looked at
    doc.Set("A", "x", "9");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nx=9\r\nx=2\r\n[a]\r\nx=3\r\ny=4\r\n");
}

TEST(IniDocumentTest, CommentsAndLinesWithoutEqualsAreNotKeys) {
    IniDocument doc = IniDocument::Parse("[A]\r\n;x=1\r\nx\r\nlater=2\r\n");
    EXPECT_EQ(doc.Find("A", "x"), std::nullopt);
    EXPECT_EQ(doc.Find("A", ";x"), std::nullopt);
    EXPECT_EQ(doc.Find("A", "later"), "2");
}

TEST(IniDocumentTest, ValueKeepsEverythingAfterTheFirstEquals) {
    IniDocument doc = IniDocument::Parse("[ A ]\r\nk = a=b \r\nempty=\r\nq=\"\"\r\n");
    EXPECT_EQ(doc.Find("A", " k "), "a=b");
    EXPECT_EQ(doc.Find("A", "empty"), "");
    EXPECT_EQ(doc.Find("A", "q"), "");
}

TEST(IniDocumentTest, EncodingsSurviveARoundTrip) {
    const std::string chinese = "[S]\r\nname=\xE5\xAE\x8F\xF0\x9F\x98\x80\r\n";  // includes a code point above U+FFFF
    std::string le = "\xFF\xFE";
    std::string be = "\xFE\xFF";
    for (const char16_t u : Utf8ToUtf16(chinese)) {
        le += static_cast<char>(u & 0xFF), le += static_cast<char>(u >> 8);
        be += static_cast<char>(u >> 8), be += static_cast<char>(u & 0xFF);
    }
    for (const std::string& bytes : {le, be, "\xEF\xBB\xBF" + chinese, chinese}) {
        const IniDocument doc = IniDocument::Parse(bytes);
        EXPECT_EQ(doc.Find("S", "name"), "\xE5\xAE\x8F\xF0\x9F\x98\x80");
        EXPECT_EQ(doc.Serialize(), bytes);
    }
    EXPECT_EQ(IniDocument::Parse(le).Encoding(), IniEncoding::Utf16LeBom);
    EXPECT_EQ(IniDocument::Parse(chinese).Encoding(), IniEncoding::Utf8);
}

TEST(IniDocumentTest, BytesThatAreNotUtf8PassThroughUnchanged) {
    const std::string gbk = "[S]\r\nname=\xBA\xEA\r\n";  // text saved in a legacy code page
    IniDocument doc = IniDocument::Parse(gbk);
    doc.Set("S", "other", "1");
    EXPECT_EQ(doc.Serialize(), "[S]\r\nname=\xBA\xEA\r\nother=1\r\n");
}

TEST(IniDocumentTest, RefusesTextThatWouldBreakTheLines) {
    EXPECT_FALSE(IsStorableValue("1\r\n[Init]"));
    EXPECT_FALSE(IsStorableValue(std::string("a\0b", 3)));
    EXPECT_FALSE(IsStorableKey("a=b"));
    EXPECT_FALSE(IsStorableKey(";c"));
    EXPECT_FALSE(IsStorableKey("  "));
    EXPECT_FALSE(IsStorableSection("A]B"));
    EXPECT_FALSE(IsStorableSection(""));
    EXPECT_TRUE(IsStorableKey("DPI_SET_EN0"));
    EXPECT_TRUE(IsStorableValue(" spaced \"value\" "));
}

TEST(Utf16CutTest, NeverSplitsACharacter) {
    const std::string text =
        "a\xF0\x9F\x98\x80"
        "b\xE4\xB8\xAD";  // a, U+1F600 (2 units), b, U+4E2D
    EXPECT_EQ(Utf8PrefixWithinUtf16Units(text, 0), 0u);
    EXPECT_EQ(Utf8PrefixWithinUtf16Units(text, 1), 1u);
    EXPECT_EQ(Utf8PrefixWithinUtf16Units(text, 2), 1u);  // half a surrogate pair is not kept
    EXPECT_EQ(Utf8PrefixWithinUtf16Units(text, 3), 5u);
    EXPECT_EQ(Utf8PrefixWithinUtf16Units(text, 4), 6u);
    EXPECT_EQ(Utf8PrefixWithinUtf16Units(text, 5), text.size());
    EXPECT_EQ(Utf8PrefixWithinUtf16Units("\xE4\xB8", 5), 2u);  // truncated sequence: one unit per byte
}

TEST(Utf16CutTest, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong form
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(Utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xE4\xB8\xAD\xF0\x9F\x98\x80")), "\xE4\xB8\xAD\xF0\x9F\x98\x80");
}

class PortableProfileFilesTest : public ::testing::Test {
protected:
    const std::string path = "C:\\VX230\\config.ini";
    const std::string original = "[Init]\r\nCurConfig=1\r\n[Config1]\r\nK0=1\r\n";
    testing::MemoryFileSystem files;
    testing::RecordingDiagnostics diagnostics;
    PortableProfileFiles profiles{files, diagnostics};
};

TEST_F(PortableProfileFilesTest, FailedReplaceLeavesTheOldFileAndReportsFailure) {
    files.SetFile(path, original);
    files.SetWritesFail(true);
    EXPECT_FALSE(profiles.WriteString(path, "Config1", "K0", "3"));
    EXPECT_FALSE(profiles.WriteStrings(path, "Config2", {{"K0", "1"}, {"K1", "2"}}));
    EXPECT_EQ(files.GetFile(path), original);
    EXPECT_EQ(diagnostics.Lines(),
              (std::vector<std::string>{
                  "settings not written: C:\\VX230\\config.ini [Config1]: the file could not be replaced",
                  "settings not written: C:\\VX230\\config.ini [Config2]: the file could not be replaced"}));
    files.SetWritesFail(false);
    EXPECT_TRUE(profiles.WriteString(path, "Config1", "K0", "3"));
    EXPECT_EQ(diagnostics.Lines().size(), 2u);
    EXPECT_EQ(profiles.ReadString(path, "Config1", "K0", 5), "3");
}

TEST_F(PortableProfileFilesTest, UnreadableFileIsNeverOverwritten) {
    files.SetFile(path, original);
    files.SetReadsFail(true);
    EXPECT_EQ(profiles.ReadString(path, "Init", "CurConfig", 5), "");
    EXPECT_FALSE(profiles.WriteString(path, "Init", "CurConfig", "2"));
    EXPECT_EQ(files.GetFile(path), original);
    EXPECT_EQ(diagnostics.Lines(),
              std::vector<std::string>{
                  "settings not written: C:\\VX230\\config.ini [Init]: the file exists but cannot be read"});
}

TEST_F(PortableProfileFilesTest, ReadOnlyFileRefusesEveryWriteAndSaysSo) {
    files.SetFile(path, original);
    files.SetReadOnly(path, true);
    EXPECT_FALSE(profiles.WriteString(path, "Config1", "K0", "3"));
    EXPECT_FALSE(profiles.WriteString(path, "Config1", "K0", "1"));  // even an unchanged value
    EXPECT_EQ(files.GetFile(path), original);
    EXPECT_EQ(profiles.ReadString(path, "Config1", "K0", 5), "1");
    EXPECT_EQ(
        diagnostics.Lines(),
        (std::vector<std::string>{"settings not written: C:\\VX230\\config.ini [Config1]: the file is read-only",
                                  "settings not written: C:\\VX230\\config.ini [Config1]: the file is read-only"}));
}

TEST_F(PortableProfileFilesTest, FileIsParsedOncePerVersion) {
    // Counts whole-file reads; a change of the file by anyone is seen.
    class CountingFiles : public testing::MemoryFileSystem {
    public:
        std::optional<std::string> ReadAll(const std::string& file) override {
            ++reads;
            return MemoryFileSystem::ReadAll(file);
        }
        int reads = 0;
    } counting;
    PortableProfileFiles cached{counting, diagnostics};
    counting.SetFile(path, original);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(cached.ReadString(path, "Config1", "K0", 5), "1");
    EXPECT_EQ(counting.reads, 1);
    EXPECT_TRUE(cached.WriteString(path, "Config1", "K0", "2"));
    EXPECT_EQ(cached.ReadString(path, "Config1", "K0", 5), "2");
    EXPECT_EQ(counting.reads, 1);
    counting.SetFile(path, "[Config1]\r\nK0=7\r\n");
    EXPECT_EQ(cached.ReadString(path, "Config1", "K0", 5), "7");
    counting.RemoveFile(path);
    EXPECT_EQ(cached.ReadString(path, "Config1", "K0", 5), "");
    EXPECT_EQ(counting.reads, 2);
}

TEST_F(PortableProfileFilesTest, RefusedEntryLeavesTheWholeChangeUndone) {
    files.SetFile(path, original);
    EXPECT_FALSE(profiles.WriteStrings(path, "Config1", {{"K1", "2"}, {"K2", "3\r\n[Init]\r\nCurConfig=9"}}));
    EXPECT_FALSE(profiles.WriteString(path, "Config1\n", "K1", "2"));
    EXPECT_EQ(files.GetFile(path), original);
    EXPECT_EQ(files.WriteCount(), 0);
    EXPECT_EQ(
        diagnostics.Lines(),
        (std::vector<std::string>{
            "settings not written: C:\\VX230\\config.ini [Config1]: a value holds a line break or NUL",
            "settings not written: C:\\VX230\\config.ini [Config1\n]: the section name holds a line break or NUL"}));
}

TEST_F(PortableProfileFilesTest, WriteOfTheSameValueDoesNotTouchTheFile) {
    files.SetFile(path, original);
    EXPECT_TRUE(profiles.WriteString(path, "Config1", "K0", "1"));
    EXPECT_TRUE(profiles.WriteStrings(path, "Config1", {}));
    EXPECT_EQ(files.WriteCount(), 0);
    EXPECT_TRUE(profiles.WriteString(path, "Config1", "K0", "2"));
    EXPECT_EQ(files.WriteCount(), 1);
}

TEST_F(PortableProfileFilesTest, PlainUtf8ChineseIsReadAndCutByCharacters) {
    files.SetFile(path, "[FUN_STRING]\r\n1=\xE5\xB7\xA6\xE9\x94\xAE\xF0\x9F\x98\x80\r\n");
    EXPECT_EQ(profiles.ReadString(path, "FUN_STRING", "1", 64), "\xE5\xB7\xA6\xE9\x94\xAE\xF0\x9F\x98\x80");
    EXPECT_EQ(profiles.ReadString(path, "FUN_STRING", "1", 4), "\xE5\xB7\xA6\xE9\x94\xAE");
    EXPECT_EQ(profiles.ReadString(path, "FUN_STRING", "1", 0), "");
}

TEST(PortableProfileFilesNewFileTest, NewFileUsesTheChosenEncoding) {
    testing::MemoryFileSystem files;
    testing::RecordingDiagnostics diagnostics;
    PortableProfileFiles profiles{files, diagnostics, IniEncoding::Utf16LeBom};
    ASSERT_TRUE(profiles.WriteString("m.dat", "Macros", "Count", "0"));
    EXPECT_EQ(files.GetFile("m.dat"), std::string("\xFF\xFE[\0M\0a\0c\0r\0o\0s\0]\0\r\0\n\0C\0o\0u\0n\0t\0=\0"
                                                  "0\0\r\0\n\0",
                                                  40));
}

}  // namespace
}  // namespace vx::platform
