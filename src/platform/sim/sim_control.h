#pragma once
// Outside control of the simulated mouse for the simulated program build:
// every report either way is appended to "<dir>\simmouse.log", and lines
// appended to "<dir>\simmouse.cmd" press, release, send input, unplug or
// plug in.
//
// Log line: "<ms since start, 3 decimals> <OUT|IN> <bytes, upper-case hex>",
// or "<ms> DIAG <text>" for a failure the program put on record.
// Commands: "press N", "release N" (N = device button 1..6),
// "input <hex bytes>", "unplug", "plug". Any other line is ignored with one DIAG
// line naming the problem (blank lines silently); whatever the command file
// already held when the control started is ignored too.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/sim/command_file_watch.h"
#include "platform/sim/simulated_mouse.h"

namespace vx::platform::sim {

// A program path (UTF-8, '\' separated) as the standard library wants it.
std::filesystem::path PathFromUtf8(const std::string& utf8Path);

std::string FormatLogLine(const LoggedReport& report);
std::string FormatDiagnosticLine(std::int64_t microsSinceStart, std::string_view text);

struct SimCommand {
    enum class Kind { Press, Release, Input, Unplug, Plug };
    Kind kind = Kind::Unplug;
    int button = 0;
    std::vector<std::uint8_t> bytes;
};

// Longer lines are no command: an input report of 256 bytes fits.
inline constexpr std::size_t kMaxCommandLineBytes = 1024;

// One command line (without its line end): the command, or why the line is
// none. The problem text never holds the line's bytes when they are not
// printable ASCII, and quotes at most a few characters of a word. A blank
// line is neither a command nor a problem.
struct ParsedSimLine {
    std::optional<SimCommand> command;
    std::string problem;
};
ParsedSimLine ParseSimLine(std::string_view line);

// The command of a line; nothing for anything else.
std::optional<SimCommand> ParseSimCommand(std::string_view line);

class SimMouseControl {
public:
    // Only when the system gives no change notification for the file.
    static constexpr int kPollIntervalMs = 20;

    // `onRemoved` gets the mouse's interface path when "unplug" runs,
    // `onArrived` when "plug" runs.
    SimMouseControl(SimulatedMouse& mouse, std::string programDir,
                    std::function<void(const std::string& path)> onRemoved,
                    std::function<void(const std::string& path)> onArrived = {});
    ~SimMouseControl();
    SimMouseControl(const SimMouseControl&) = delete;
    SimMouseControl& operator=(const SimMouseControl&) = delete;

    // Starts a fresh log, attaches it to the mouse and starts the poller,
    // which sleeps until the system reports a change of the command file.
    void Start();
    // Detaches the log and stops the poller (also done on destruction).
    void Stop();
    // Runs the complete command lines appended since the last look.
    void PollCommands();
    // Starts logging and remembers where the command file ends, without
    // the poller thread: the caller runs PollCommands itself.
    void StartWithoutPoller();
    // Appends a diagnostic line; nothing before Start.
    void WriteDiagnostic(std::string_view text);

private:
    void WriteLogLine(const LoggedReport& report);
    void Execute(const SimCommand& command);
    // Where the unread commands start; the text before it is remembered
    // by its hash so that a file written afresh is noticed even when it is
    // no shorter than before.
    struct ReadPosition {
        std::size_t offset = 0;
        std::size_t prefixHash = 0;
        std::size_t lineNumber = 1;  // of the line at `offset`, for the DIAG lines
    };
    std::optional<std::string> ReadCommandFile() const;

    SimulatedMouse& mouse_;
    const std::filesystem::path logPath_;
    const std::filesystem::path commandPath_;
    std::function<void(const std::string& path)> onRemoved_;
    std::function<void(const std::string& path)> onArrived_;

    std::mutex logMutex_;
    std::ofstream log_;

    ReadPosition position_;  // poller thread only once started

    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::unique_ptr<CommandFileWatch> watch_;  // set before the poller starts
    std::thread poller_;
};

}  // namespace vx::platform::sim
