// vx230ctl's command line, output and exit codes, against a stand-in for
// the running program.
#include "app/control_client.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vx::app::control {
namespace {

class ScriptedProgram : public Connection {
public:
    Exchange reply{Exchange::Outcome::Answered, "VX230CTL/1 ok"};
    std::vector<std::string> sent;
    Exchange Send(const std::string& requestLine) override {
        sent.push_back(requestLine);
        return reply;
    }
};

struct ClientRun {
    int code;
    std::string out;
    std::string err;
};

ClientRun RunWith(ScriptedProgram& program, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const ClientContext context{program, [](const std::string& path) { return path == "bad" ? "" : "/w/" + path; },
                                "1.2.3", out, err};
    const int code = RunClient(args, context);
    return ClientRun{code, out.str(), err.str()};
}

TEST(ControlClient, EachCommandSendsItsRequest) {
    const struct {
        std::vector<std::string> args;
        std::string line;
    } cases[] = {
        {{"status"}, "VX230CTL/1 status"},
        {{"apply"}, "VX230CTL/1 apply"},
        {{"profile", "3"}, "VX230CTL/1 profile 3"},
        {{"export", "1", "a b.ini"}, "VX230CTL/1 export 1 /w/a b.ini"},
        {{"import", "5", "x.ini"}, "VX230CTL/1 import 5 /w/x.ini"},
    };
    for (const auto& c : cases) {
        ScriptedProgram program;
        EXPECT_EQ(RunWith(program, c.args).code, kDone) << c.line;
        EXPECT_EQ(program.sent, std::vector<std::string>{c.line});
    }
}

TEST(ControlClient, BadUsageSendsNothingAndEndsWithOne) {
    const std::vector<std::vector<std::string>> cases = {{},
                                                         {"reboot"},
                                                         {"status", "now"},
                                                         {"profile"},
                                                         {"profile", "6"},
                                                         {"profile", "0"},
                                                         {"profile", "12"},
                                                         {"export", "3"},
                                                         {"import", "3", "a", "b"},
                                                         {"export", "3", "bad"},
                                                         {"--help", "status"},
                                                         {"export", "3", "a\nb"}};
    for (const auto& args : cases) {
        ScriptedProgram program;
        const ClientRun run = RunWith(program, args);
        EXPECT_EQ(run.code, kBadUsage) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(program.sent.empty());
        EXPECT_NE(run.err.find("vx230ctl: "), std::string::npos);
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(ControlClient, AnswersBecomeKeyValueLinesAndRefusalsExitThree) {
    ScriptedProgram program;
    program.reply.text = "VX230CTL/1 ok mouse=connected profile=3 applied=2 language=en";
    ClientRun run = RunWith(program, {"status"});
    EXPECT_EQ(run.code, kDone);
    EXPECT_EQ(run.out, "mouse=connected\nprofile=3\napplied=2\nlanguage=en\n");

    program.reply.text = "VX230CTL/1 error import: /w/x.ini holds no profile ([Config7])";
    run = RunWith(program, {"import", "2", "x.ini"});
    EXPECT_EQ(run.code, kRefused);
    EXPECT_EQ(run.err, "vx230ctl: refused: import: /w/x.ini holds no profile ([Config7])\n");
    EXPECT_TRUE(run.out.empty());

    program.reply.text = "VX230CTL/2 ok";
    EXPECT_EQ(RunWith(program, {"status"}).code, kRefused);

    program.reply = Exchange{Exchange::Outcome::Failed, "no answer in 10 s"};
    EXPECT_EQ(RunWith(program, {"apply"}).code, kRefused);

    program.reply = Exchange{Exchange::Outcome::NotRunning, ""};
    run = RunWith(program, {"profile", "2"});
    EXPECT_EQ(run.code, kNotRunning);
    EXPECT_EQ(run.err, "vx230ctl: the program is not running\n");
}

TEST(ControlClient, HelpAndVersionNeedNoProgram) {
    ScriptedProgram program;
    program.reply = Exchange{Exchange::Outcome::NotRunning, ""};
    ClientRun run = RunWith(program, {"--version"});
    EXPECT_EQ(run.code, kDone);
    EXPECT_EQ(run.out, "vx230ctl 1.2.3\n");
    run = RunWith(program, {"--help"});
    EXPECT_EQ(run.code, kDone);
    EXPECT_NE(run.out.find("Exit codes: 0 done, 1 bad usage, 2 the program is not running, 3 refused"),
              std::string::npos);
    EXPECT_TRUE(program.sent.empty());
}

}  // namespace
}  // namespace vx::app::control
