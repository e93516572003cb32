// The line protocol of vx230ctl: every request read back as it was written,
// and every bad line refused with its reason.
#include "app/control_protocol.h"

#include <gtest/gtest.h>

namespace vx::app::control {
namespace {

TEST(ControlProtocol, EveryRequestIsReadBackAsWritten) {
    const Request requests[] = {{Verb::Status, 0, ""},
                                {Verb::Apply, 0, ""},
                                {Verb::Profile, 1, ""},
                                {Verb::Profile, 5, ""},
                                {Verb::Export, 3, "C:\\My Files\\profile three.ini"},
                                {Verb::Import, 2, "/home/me/\xE9\x85\x8D\xE7\xBD\xAE.ini"}};
    for (const Request& request : requests) {
        const std::string line = FormatRequest(request);
        const ParsedRequest parsed = ParseRequest(line);
        ASSERT_TRUE(parsed.request.has_value()) << line << ": " << parsed.error;
        EXPECT_EQ(parsed.request->verb, request.verb) << line;
        EXPECT_EQ(parsed.request->profile, request.profile) << line;
        EXPECT_EQ(parsed.request->file, request.file) << line;
    }
    EXPECT_EQ(FormatRequest({Verb::Profile, 3, ""}), "VX230CTL/1 profile 3");
}

TEST(ControlProtocol, BadLinesAreRefusedWithTheirReason) {
    const struct {
        std::string line;
        std::string reason;
    } cases[] = {
        {"", "request is not VX230CTL/1"},
        {"VX230CTL/2 status", "request is not VX230CTL/1"},
        {"vx230ctl/1 status", "request is not VX230CTL/1"},
        {"status", "request is not VX230CTL/1"},
        {"VX230CTL/1", "unknown request \"\""},
        {"VX230CTL/1 reboot", "unknown request \"reboot\""},
        {"VX230CTL/1 Status", "unknown request \"Status\""},
        {"VX230CTL/1 status now", "status: more words than it takes"},
        {"VX230CTL/1 apply 3", "apply: more words than it takes"},
        {"VX230CTL/1 profile", "profile: the profile is not 1..5"},
        {"VX230CTL/1 profile 0", "profile: the profile is not 1..5"},
        {"VX230CTL/1 profile 6", "profile: the profile is not 1..5"},
        {"VX230CTL/1 profile -1", "profile: the profile is not 1..5"},
        {"VX230CTL/1 profile 3x", "profile: the profile is not 1..5"},
        {"VX230CTL/1 profile 3 4", "profile: more words than it takes"},
        {"VX230CTL/1 export 3", "export: no file"},
        {"VX230CTL/1 import 9 a.ini", "import: the profile is not 1..5"},
        {"VX230CTL/1 status\r", "request holds bytes that are not plain text"},
        {std::string("VX230CTL/1 export 3 a\0b", 24), "request holds bytes that are not plain text"},
        {"VX230CTL/1 export 3 " + std::string(kMaxLineBytes, 'a'), "request longer than 4096 bytes"},
    };
    for (const auto& c : cases) {
        const ParsedRequest parsed = ParseRequest(c.line);
        EXPECT_FALSE(parsed.request.has_value()) << c.line.substr(0, 40);
        EXPECT_EQ(parsed.error, c.reason) << c.line.substr(0, 40);
    }
}

TEST(ControlProtocol, ALineJustUnderTheLimitIsTaken) {
    const std::string head = "VX230CTL/1 export 3 ";
    const std::string longest = head + std::string(kMaxLineBytes - 1 - head.size(), 'a');
    EXPECT_TRUE(ParseRequest(longest).request.has_value());
    EXPECT_FALSE(ParseRequest(longest + "a").request.has_value());
}

TEST(ControlProtocol, AnswersAreReadBackAndForeignOnesAreNot) {
    const Answer ok{true, {{"mouse", "connected"}, {"profile", "3"}}, {}};
    EXPECT_EQ(FormatAnswer(ok), "VX230CTL/1 ok mouse=connected profile=3");
    const auto back = ParseAnswer(FormatAnswer(ok));
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->ok);
    EXPECT_EQ(back->values, ok.values);

    const auto refused = ParseAnswer(FormatAnswer(Refusal("the program is ending")));
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->ok);
    EXPECT_EQ(refused->error, "the program is ending");

    for (const char* foreign : {"", "VX230CTL/2 ok", "VX230CTL/1 maybe", "VX230CTL/1 ok profile", "VX230CTL/1 ok =3"}) {
        EXPECT_FALSE(ParseAnswer(foreign).has_value()) << foreign;
    }
}

}  // namespace
}  // namespace vx::app::control
