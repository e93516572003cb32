#include "platform/sim/sim_control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include "platform/sim/sim_factory.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/recording_diagnostics.h"

namespace vx::platform::sim {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(SimCommandTest, ParsesTheFiveCommands) {
    const auto press = ParseSimCommand("press 3");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->kind, SimCommand::Kind::Press);
    EXPECT_EQ(press->button, 3);
    const auto release = ParseSimCommand("  release 6 ");
    ASSERT_TRUE(release);
    EXPECT_EQ(release->kind, SimCommand::Kind::Release);
    EXPECT_EQ(release->button, 6);
    const auto input = ParseSimCommand("input 06 f1 80");
    ASSERT_TRUE(input);
    EXPECT_EQ(input->kind, SimCommand::Kind::Input);
    EXPECT_EQ(input->bytes, (Bytes{6, 0xF1, 0x80}));
    const auto unplug = ParseSimCommand("unplug");
    ASSERT_TRUE(unplug);
    EXPECT_EQ(unplug->kind, SimCommand::Kind::Unplug);
    const auto plug = ParseSimCommand("Plug");
    ASSERT_TRUE(plug);
    EXPECT_EQ(plug->kind, SimCommand::Kind::Plug);
}

TEST(SimCommandTest, BlankLinesAreNeitherCommandsNorProblems) {
    for (const char* line : {"", "   ", "\t \t"}) {
        const ParsedSimLine parsed = ParseSimLine(line);
        EXPECT_FALSE(parsed.command) << line;
        EXPECT_EQ(parsed.problem, "") << line;
    }
}

TEST(SimCommandTest, EveryOtherLineIsRefusedWithItsProblem) {
    const std::string longWord(40, 'x');
    const std::string longLine = "press " + std::string(kMaxCommandLineBytes, '1');
    const std::string tooManyBytes = "input" + [] {
        std::string bytes;
        for (int i = 0; i < 257; ++i) bytes += " 01";
        return bytes;
    }();
    const struct {
        std::string line;
        std::string problem;
    } cases[] = {
        {"press", "press takes one button number 1..6"},
        {"release", "release takes one button number 1..6"},
        {"press 1 2", "press takes one button number 1..6"},
        {"press 99", "press: button \"99\" is not 1..6"},
        {"press 0", "press: button \"0\" is not 1..6"},
        {"RELEASE x", "release: button \"x\" is not 1..6"},
        {"press " + longWord, "press: button \"xxxxxxxxxxxxxxxx...\" (40 characters) is not 1..6"},
        {"input", "input takes 1 to 256 hex bytes"},
        {tooManyBytes, "input takes 1 to 256 hex bytes"},
        {"input zz", "input: \"zz\" is not a hex byte"},
        {"input 06 100", "input: \"100\" is not a hex byte"},
        {"unplug now", "unplug takes no argument"},
        {"plug 1", "plug takes no argument"},
        {"jump 1", "unknown command \"jump\""},
        {longLine, "a line of 1030 bytes, longer than 1024"},
        {std::string("press \0\x01\xFF", 9), "a line of 9 bytes that are not plain text"},
        {"press\v1", "a line of 7 bytes that are not plain text"},
        {"\xE6\x8C\x89 1", "a line of 5 bytes that are not plain text"},
    };
    for (const auto& c : cases) {
        const ParsedSimLine parsed = ParseSimLine(c.line);
        EXPECT_FALSE(parsed.command) << c.line.substr(0, 40);
        EXPECT_EQ(parsed.problem, c.problem) << c.line.substr(0, 40);
    }
}

TEST(SimLogLineTest, MillisecondsWithThreeDecimalsAndUpperCaseHex) {
    EXPECT_EQ(FormatLogLine({1234567, ReportDirection::Out, {7, 0x10, 0xAB}}), "1234.567 OUT 07 10 AB");
    EXPECT_EQ(FormatLogLine({5, ReportDirection::In, {6, 0xF1, 0x80}}), "0.005 IN 06 F1 80");
}

class SimControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vx_simctl_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    void AppendCommands(const std::string& text) {
        std::ofstream out(dir / "simmouse.cmd", std::ios::app | std::ios::binary);
        out << text;
    }
    std::vector<std::string> LogLines() {
        std::ifstream in(dir / "simmouse.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    fs::path dir;
    testing::FakeClock clock;
};

TEST_F(SimControlTest, CommandsAppendedAfterTheStartDriveTheMouse) {
    AppendCommands("unplug\n");  // left from an earlier run
    SimulatedMouse mouse(clock);
    std::vector<std::string> removed;
    SimMouseControl control(mouse, dir.string(), [&](const std::string& path) { removed.push_back(path); });
    control.StartWithoutPoller();
    control.PollCommands();
    EXPECT_TRUE(mouse.IsPlugged());

    // Device function 0 on button 2 so that presses are reported.
    const HidHandle write = mouse.Open(SimulatedMouse::kFeatureCollectionPath, HidAccess::Write);
    const Bytes report{7, 0x10, 2, 0, 0, 0, 0, 0};
    ASSERT_TRUE(mouse.SetFeature(write, report.data(), report.size()));

    AppendCommands("press 2\r\nbogus line\n\nrelease 2\ninput 06 F0\npress 2");  // last line incomplete
    control.PollCommands();
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "0.000 OUT 07 10 02 00 00 00 00 00");
    EXPECT_EQ(lines[1], "0.000 IN 06 F2 01 00 00 00 00 00");
    // Counted from the file's first line, the history included.
    EXPECT_EQ(lines[2], "0.000 DIAG simmouse.cmd line 3 ignored: unknown command \"bogus\"");
    EXPECT_EQ(lines[3], "0.000 IN 06 F2 80 00 00 00 00 00");
    EXPECT_EQ(lines[4], "0.000 IN 06 F0 00 00 00 00 00 00");

    AppendCommands("\npress 9\nunplug\n");
    control.PollCommands();
    lines = LogLines();
    ASSERT_EQ(lines.size(), 7u);  // the completed press, and the line after it refused
    EXPECT_EQ(lines[6], "0.000 DIAG simmouse.cmd line 8 ignored: press: button \"9\" is not 1..6");
    EXPECT_FALSE(mouse.IsPlugged());
    EXPECT_EQ(removed, (std::vector<std::string>{SimulatedMouse::kFeatureCollectionPath}));
}

TEST_F(SimControlTest, PlugBringsTheMouseBackAndTellsOfItsArrivalOnce) {
    SimulatedMouse mouse(clock);
    mouse.Unplug();
    std::vector<std::string> arrived;
    SimMouseControl control(mouse, dir.string(), nullptr, [&](const std::string& path) { arrived.push_back(path); });
    control.StartWithoutPoller();
    const HidHandle before = mouse.Open(SimulatedMouse::kFeatureCollectionPath, HidAccess::Write);
    EXPECT_EQ(before, platform::kInvalidHidHandle);

    AppendCommands("plug\nplug\n");
    control.PollCommands();
    EXPECT_TRUE(mouse.IsPlugged());
    EXPECT_EQ(arrived, (std::vector<std::string>{SimulatedMouse::kFeatureCollectionPath}));
    const HidHandle write = mouse.Open(SimulatedMouse::kFeatureCollectionPath, HidAccess::Write);
    const Bytes report{7, 0x11, 1, 0, 0, 0, 0, 0};
    EXPECT_TRUE(mouse.SetFeature(write, report.data(), report.size()));

    // A handle of the mouse from before an unplug is gone once it is back.
    AppendCommands("unplug\nplug\n");
    control.PollCommands();
    EXPECT_FALSE(mouse.SetFeature(write, report.data(), report.size()));
    EXPECT_EQ(arrived.size(), 2u);
}

TEST_F(SimControlTest, AFileWrittenAfreshIsReadFromItsStart) {
    AppendCommands("input 06 F1 01\ninput 06 F2");  // history, then a line being written
    SimulatedMouse mouse(clock);
    SimMouseControl control(mouse, dir.string(), nullptr);
    control.StartWithoutPoller();
    AppendCommands(" 01\n");
    control.PollCommands();
    ASSERT_EQ(LogLines().size(), 1u);
    EXPECT_EQ(LogLines()[0], "0.000 IN 06 F2 01 00 00 00 00 00");

    // Replaced by a file of the same length: still new commands.
    {
        std::ofstream out(dir / "simmouse.cmd", std::ios::trunc | std::ios::binary);
        out << "input 06 F3 01\ninput 06 F4 01\n";
    }
    control.PollCommands();
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "0.000 IN 06 F3 01 00 00 00 00 00");
    EXPECT_EQ(lines[2], "0.000 IN 06 F4 01 00 00 00 00 00");
}

TEST_F(SimControlTest, MissingCommandFileIsTolerated) {
    SimulatedMouse mouse(clock);
    SimMouseControl control(mouse, dir.string(), nullptr);
    control.StartWithoutPoller();
    control.PollCommands();
    AppendCommands("input 06 F3 01\n");
    control.PollCommands();
    EXPECT_EQ(LogLines().size(), 1u);
}

TEST_F(SimControlTest, TheWatchWakesOnlyForTheCommandFileAndEndsOnStop) {
    std::string problem;
    const std::unique_ptr<CommandFileWatch> watch = WatchCommandFile(dir / "simmouse.cmd", problem);
    ASSERT_TRUE(watch) << problem;
    auto waitOnce = [&watch] { return std::async(std::launch::async, [&watch] { return watch->WaitForChange(); }); };

    // The log beside it is written on every report: no wake-up for it.
    auto woken = waitOnce();
    { std::ofstream(dir / "simmouse.log", std::ios::app) << "0.000 IN 06\n"; }
    EXPECT_EQ(woken.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    AppendCommands("press 1\n");
    ASSERT_EQ(woken.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_TRUE(woken.get());

    // A change while nobody waits is kept for the next wait.
    AppendCommands("press 2\n");
    EXPECT_TRUE(watch->WaitForChange());

    woken = waitOnce();
    EXPECT_EQ(woken.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    watch->Stop();
    ASSERT_EQ(woken.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(woken.get());
}

TEST_F(SimControlTest, FactoryStartsLoggingAtTheFirstEnumerationAndPollsByItself) {
    std::promise<std::string> removal;
    auto removedPath = removal.get_future();
    testing::RecordingDiagnostics next;
    std::unique_ptr<SimulatedBackend> backend = CreateSimulatedMouseWithControl(
        dir.string(), clock, [&](const std::string& path) { removal.set_value(path); }, nullptr, next);
    backend->Log().Report("before the log starts");
    EXPECT_FALSE(fs::exists(dir / "simmouse.log"));

    backend->Hid().BeginEnumeration();
    backend->Hid().EndEnumeration();
    EXPECT_TRUE(fs::exists(dir / "simmouse.log"));
    backend->Log().Report("settings not written");
    EXPECT_EQ(LogLines(), std::vector<std::string>{"0.000 DIAG settings not written"});
    EXPECT_EQ(next.Lines(), (std::vector<std::string>{"before the log starts", "settings not written"}));
    AppendCommands("unplug\n");
    ASSERT_EQ(removedPath.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(removedPath.get(), SimulatedMouse::kFeatureCollectionPath);
    backend.reset();
}

}  // namespace
}  // namespace vx::platform::sim
