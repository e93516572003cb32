#include <gtest/gtest.h>

#include <string>

#include "macro/key_codes.h"
#include "macro/macro_text.h"

namespace vx::macro {
namespace {

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

TEST(MacroText, NameBytesGoLowByteFirstAsThreeDigitsEach) {
    MacroRecord ab;
    ab.name[0] = u'A';
    ab.name[1] = u'b';
    const std::string digits = FormatRecordDigits(ab);
    ASSERT_EQ(digits.size(), kRecordDigits);
    EXPECT_EQ(digits.substr(0, 120), "065000098000" + Repeat("000", 36));

    MacroRecord chinese;
    chinese.name[0] = u'\u5F55';
    EXPECT_EQ(FormatRecordDigits(chinese).substr(0, 6), "085095");
}

TEST(MacroText, HeaderAndEventsFollowTheFileOrder) {
    MacroRecord record;
    record.repeatEnabled = 1;
    record.repeatCount = 0x0102;
    record.eventCount = 2;
    record.events[0] = {0x04, ActionPress};  // usage of A: file holds VK 65
    record.delays[0] = 300;                  // 44 + 1*256
    record.events[1] = {MouseMiddleCode, ActionRelease};
    record.delays[1] = 7;
    const std::string digits = FormatRecordDigits(record);
    EXPECT_EQ(digits.substr(120, 12), "001002001002");
    EXPECT_EQ(digits.substr(132, 12), "065001044001");
    EXPECT_EQ(digits.substr(144, 12), "242002007000");
    EXPECT_EQ(ParseRecordDigits(digits), record);
}

TEST(MacroText, DamagedTriplesReadUpToTheirFirstNonDigitAndKeepLowBits) {
    // Bytes 40..42: repeatEnabled, repeatCount low, repeatCount high.
    const std::string prefix = Repeat("000", 40);
    EXPECT_EQ(ParseRecordDigits(prefix + "12x").repeatEnabled, 12);
    EXPECT_EQ(ParseRecordDigits(prefix + "x12").repeatEnabled, 0);
    EXPECT_EQ(ParseRecordDigits(prefix + "300").repeatEnabled, 44);
    EXPECT_EQ(ParseRecordDigits(prefix + " -1").repeatEnabled, 255);
    EXPECT_EQ(ParseRecordDigits(prefix + "001" + "2").repeatCount, 2);  // a last short triple
}

TEST(MacroText, ShortOrEmptyTextLeavesTheRestOfTheRecordZero) {
    MacroRecord full;
    full.name[0] = u'Z';
    full.eventCount = 255;
    for (std::size_t k = 0; k < kMacroEventSlots; ++k) {
        full.events[k] = {0x2C, ActionPress};
        full.delays[k] = 1000;
    }
    const std::string digits = FormatRecordDigits(full);
    const MacroRecord cut = ParseRecordDigits(digits.substr(0, 44 * 3 + 4 * 3 * 2));  // two events
    EXPECT_EQ(cut.name[0], u'Z');
    EXPECT_EQ(cut.eventCount, 255);
    EXPECT_EQ(cut.events[1], full.events[1]);
    EXPECT_EQ(cut.delays[1], 1000);
    EXPECT_EQ(cut.events[2], MacroEvent{});
    EXPECT_EQ(cut.delays[254], 0);

    EXPECT_EQ(ParseRecordDigits(""), MacroRecord{});
    // Longer text than a record is ignored past its end.
    EXPECT_EQ(ParseRecordDigits(digits + "999999"), full);
}

TEST(MacroText, RecordRoundTripKeepsEveryProducibleCode) {
    MacroRecord record;
    record.eventCount = 255;
    for (std::size_t k = 0; k < kMacroEventSlots; ++k) {
        const auto code = VkToUsage(static_cast<std::uint8_t>(k));
        record.events[k] = {code, static_cast<std::uint8_t>(k % 3)};
        record.delays[k] = static_cast<std::uint16_t>(k * 257);
    }
    record.events[10].code = MouseLeftCode;
    record.events[11].code = MouseRightCode;
    record.events[12].code = MouseMiddleCode;
    EXPECT_EQ(ParseRecordDigits(FormatRecordDigits(record)), record);
}

TEST(MacroText, LeadingIntegerFollowsTheValueFormat) {
    EXPECT_EQ(ParseLeadingInteger("  -17abc"), -17);
    EXPECT_EQ(ParseLeadingInteger("+5"), 5);
    EXPECT_EQ(ParseLeadingInteger("abc"), 0);
    EXPECT_EQ(ParseLeadingInteger("-"), 0);
    EXPECT_EQ(ParseLeadingInteger(""), 0);
    EXPECT_GT(ParseLeadingInteger("99999999999999999999999999"), 0);  // saturates, no overflow
}

}  // namespace
}  // namespace vx::macro
