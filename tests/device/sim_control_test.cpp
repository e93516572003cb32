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

TEST(SimCommandTest, ParsesTheFourCommands) {
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
}

TEST(SimCommandTest, IgnoresEverythingElse) {
    for (const char* line : {"", "   ", "press", "press 0", "press 7", "press 12", "release x", "input", "input 100",
                             "input 0g", "unplug now", "jump 1", "press 1 2"}) {
        EXPECT_FALSE(ParseSimCommand(line)) << line;
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

    AppendCommands("press 2\r\nbogus line\nrelease 2\ninput 06 F0\npress 2");  // last line incomplete
    control.PollCommands();
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "0.000 OUT 07 10 02 00 00 00 00 00");
    EXPECT_EQ(lines[1], "0.000 IN 06 F2 01 00 00 00 00 00");
    EXPECT_EQ(lines[2], "0.000 IN 06 F2 80 00 00 00 00 00");
    EXPECT_EQ(lines[3], "0.000 IN 06 F0 00 00 00 00 00 00");

    AppendCommands("\nunplug\n");
    control.PollCommands();
    EXPECT_EQ(LogLines().size(), 5u);  // the completed press
    EXPECT_FALSE(mouse.IsPlugged());
    EXPECT_EQ(removed, (std::vector<std::string>{SimulatedMouse::kFeatureCollectionPath}));
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

TEST_F(SimControlTest, FactoryStartsLoggingAtTheFirstEnumerationAndPollsByItself) {
    std::promise<std::string> removal;
    auto removedPath = removal.get_future();
    testing::RecordingDiagnostics next;
    std::unique_ptr<SimulatedBackend> backend = CreateSimulatedMouseWithControl(
        dir.string(), clock, [&](const std::string& path) { removal.set_value(path); }, next);
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
