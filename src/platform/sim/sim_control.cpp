#include "platform/sim/sim_control.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <iterator>

#include "platform/portable/program_paths.h"

namespace vx::platform::sim {

std::filesystem::path PathFromUtf8(const std::string& utf8Path) {
#ifdef _WIN32
    // On Windows the UTF-8 text must be converted, not read as ANSI.
    return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
#else
    return std::filesystem::path(ForwardSlashPath(utf8Path));
#endif
}

namespace {
std::string FormatMillis(std::int64_t microsSinceStart) {
    const std::int64_t micros = microsSinceStart < 0 ? 0 : microsSinceStart;
    std::string fraction = std::to_string(micros % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(micros / 1000) + "." + fraction;
}
}  // namespace

std::string FormatDiagnosticLine(std::int64_t microsSinceStart, std::string_view text) {
    std::string line = FormatMillis(microsSinceStart) + " DIAG ";
    line.append(text);
    return line;
}

std::string FormatLogLine(const LoggedReport& report) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string line = FormatMillis(report.microsSinceStart);
    line += report.direction == ReportDirection::Out ? " OUT" : " IN";
    for (std::uint8_t byte : report.bytes) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    return line;
}

namespace {

// Commands are plain ASCII words separated by spaces or tabs.
bool IsCommandText(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte == '\t' || (byte >= 0x20 && byte < 0x7F);
    });
}

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < text.size()) {
        while (i < text.size() && blank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !blank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool EqualsLower(std::string_view word, std::string_view lower) {
    if (word.size() != lower.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != lower[i]) return false;
    }
    return true;
}

// A word of a text line, quoted and cut, so a DIAG line stays short.
std::string Quoted(std::string_view word) {
    constexpr std::size_t kShown = 16;
    std::string text(1, '"');
    text.append(word.substr(0, kShown));
    if (word.size() <= kShown) return text.append(1, '"');
    return text.append("...\" (").append(std::to_string(word.size())).append(" characters)");
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

std::optional<std::uint8_t> ParseHexByte(std::string_view word) {
    if (word.empty() || word.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : word) {
        const std::optional<int> digit = HexDigit(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return static_cast<std::uint8_t>(value);
}

std::size_t HashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

std::optional<int> ParseButton(std::string_view word) {
    if (word.size() != 1 || word[0] < '1' || word[0] > '6') return std::nullopt;
    return word[0] - '0';
}

ParsedSimLine Problem(std::string text) { return ParsedSimLine{std::nullopt, std::move(text)}; }

ParsedSimLine Command(SimCommand command) { return ParsedSimLine{std::move(command), {}}; }

// An input report is never longer than the mouse's buffers.
constexpr std::size_t kMaxInputBytes = 256;

}  // namespace

ParsedSimLine ParseSimLine(std::string_view line) {
    if (line.size() > kMaxCommandLineBytes) {
        return Problem("a line of " + std::to_string(line.size()) + " bytes, longer than " +
                       std::to_string(kMaxCommandLineBytes));
    }
    if (!IsCommandText(line)) {
        return Problem("a line of " + std::to_string(line.size()) + " bytes that are not plain text");
    }
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty()) return {};
    const std::string_view verb = words[0];
    if (EqualsLower(verb, "press") || EqualsLower(verb, "release")) {
        const std::string name = EqualsLower(verb, "press") ? "press" : "release";
        if (words.size() != 2) return Problem(name + " takes one button number 1..6");
        const std::optional<int> button = ParseButton(words[1]);
        if (!button) return Problem(name + ": button " + Quoted(words[1]) + " is not 1..6");
        SimCommand command;
        command.kind = name == "press" ? SimCommand::Kind::Press : SimCommand::Kind::Release;
        command.button = *button;
        return Command(std::move(command));
    }
    if (EqualsLower(verb, "input")) {
        if (words.size() < 2 || words.size() > kMaxInputBytes + 1) {
            return Problem("input takes 1 to " + std::to_string(kMaxInputBytes) + " hex bytes");
        }
        SimCommand command;
        command.kind = SimCommand::Kind::Input;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::optional<std::uint8_t> byte = ParseHexByte(words[i]);
            if (!byte) return Problem("input: " + Quoted(words[i]) + " is not a hex byte");
            command.bytes.push_back(*byte);
        }
        return Command(std::move(command));
    }
    if (EqualsLower(verb, "unplug")) {
        if (words.size() != 1) return Problem("unplug takes no argument");
        return Command(SimCommand{});
    }
    if (EqualsLower(verb, "plug")) {
        if (words.size() != 1) return Problem("plug takes no argument");
        SimCommand command;
        command.kind = SimCommand::Kind::Plug;
        return Command(std::move(command));
    }
    return Problem("unknown command " + Quoted(verb));
}

std::optional<SimCommand> ParseSimCommand(std::string_view line) { return ParseSimLine(line).command; }

SimMouseControl::SimMouseControl(SimulatedMouse& mouse, std::string programDir,
                                 std::function<void(const std::string& path)> onRemoved,
                                 std::function<void(const std::string& path)> onArrived)
    : mouse_(mouse),
      logPath_(PathFromUtf8(programDir + "\\simmouse.log")),
      commandPath_(PathFromUtf8(programDir + "\\simmouse.cmd")),
      onRemoved_(std::move(onRemoved)),
      onArrived_(std::move(onArrived)) {}

SimMouseControl::~SimMouseControl() { Stop(); }

void SimMouseControl::StartWithoutPoller() {
    // Commands left from an earlier run are history, not requests.
    // A line still being written when the control starts is a new one.
    // Taken before the log appears: a line written once the log is there
    // is always a new one.
    const std::string text = ReadCommandFile().value_or(std::string());
    const std::size_t lastEnd = text.rfind('\n');
    const std::size_t start = lastEnd == std::string::npos ? 0 : lastEnd + 1;
    const std::string_view history = std::string_view(text).substr(0, start);
    position_ = ReadPosition{start, HashOf(history),
                             static_cast<std::size_t>(std::count(history.begin(), history.end(), '\n')) + 1};
    {
        std::lock_guard lock(logMutex_);
        log_.open(logPath_, std::ios::out | std::ios::trunc | std::ios::binary);
    }
    mouse_.SetReportObserver([this](const LoggedReport& report) { WriteLogLine(report); });
}

void SimMouseControl::Start() {
    // Watched before the file's end is taken: no line can fall in between.
    std::string problem;
    watch_ = WatchCommandFile(commandPath_, problem);
    StartWithoutPoller();
    if (!watch_) {
        WriteDiagnostic("simmouse.cmd is looked at every " + std::to_string(kPollIntervalMs) +
                        " ms: the system gives no change notification (" + problem + ")");
    }
    poller_ = std::thread([this] {
        std::unique_lock lock(stopMutex_);
        while (!stopping_) {
            lock.unlock();
            PollCommands();
            if (watch_) {
                // Asleep until the file changes or Stop.
                if (!watch_->WaitForChange()) return;
                lock.lock();
                continue;
            }
            lock.lock();
            stopSignal_.wait_for(lock, std::chrono::milliseconds(kPollIntervalMs), [this] { return stopping_; });
        }
    });
}

void SimMouseControl::Stop() {
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    if (watch_) watch_->Stop();
    if (poller_.joinable()) poller_.join();
    mouse_.SetReportObserver(nullptr);
    std::lock_guard lock(logMutex_);
    if (log_.is_open()) log_.close();
}

void SimMouseControl::WriteDiagnostic(std::string_view text) {
    const std::string line = FormatDiagnosticLine(mouse_.MicrosSinceStart(), text);
    std::lock_guard lock(logMutex_);
    if (!log_.is_open()) return;
    log_ << line << '\n';
    log_.flush();
}

void SimMouseControl::WriteLogLine(const LoggedReport& report) {
    std::lock_guard lock(logMutex_);
    if (!log_.is_open()) return;
    log_ << FormatLogLine(report) << '\n';
    log_.flush();
}

std::optional<std::string> SimMouseControl::ReadCommandFile() const {
    std::ifstream file(commandPath_, std::ios::in | std::ios::binary);
    if (!file) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return text;
}

void SimMouseControl::PollCommands() {
    const std::optional<std::string> text = ReadCommandFile();
    if (!text) return;
    const bool sameStart = text->size() >= position_.offset &&
                           HashOf(std::string_view(*text).substr(0, position_.offset)) == position_.prefixHash;
    if (!sameStart) position_ = ReadPosition{0, HashOf({}), 1};  // the file was started afresh

    // A last line without its line end is still being written: next time.
    const std::size_t lastEnd = text->rfind('\n');
    if (lastEnd == std::string::npos || lastEnd + 1 <= position_.offset) return;
    std::string_view complete = std::string_view(*text).substr(position_.offset, lastEnd + 1 - position_.offset);
    std::size_t lineNumber = position_.lineNumber;
    position_ = ReadPosition{lastEnd + 1, HashOf(std::string_view(*text).substr(0, lastEnd + 1)),
                             lineNumber + static_cast<std::size_t>(std::count(complete.begin(), complete.end(), '\n'))};
    while (!complete.empty()) {
        const std::size_t newline = complete.find('\n');
        std::string_view line = complete.substr(0, newline);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const ParsedSimLine parsed = ParseSimLine(line);
        if (parsed.command) {
            Execute(*parsed.command);
        } else if (!parsed.problem.empty()) {
            // Whoever drives the mouse learns why a line did nothing.
            WriteDiagnostic("simmouse.cmd line " + std::to_string(lineNumber) + " ignored: " + parsed.problem);
        }
        complete.remove_prefix(newline + 1);
        ++lineNumber;
    }
}

void SimMouseControl::Execute(const SimCommand& command) {
    switch (command.kind) {
        case SimCommand::Kind::Press: mouse_.Press(command.button); break;
        case SimCommand::Kind::Release: mouse_.Release(command.button); break;
        case SimCommand::Kind::Input: mouse_.QueueInput(command.bytes); break;
        case SimCommand::Kind::Unplug:
            if (!mouse_.IsPlugged()) break;
            mouse_.Unplug();
            if (onRemoved_) onRemoved_(SimulatedMouse::kFeatureCollectionPath);
            break;
        case SimCommand::Kind::Plug:
            if (mouse_.IsPlugged()) break;
            mouse_.Plug();
            if (onArrived_) onArrived_(SimulatedMouse::kFeatureCollectionPath);
            break;
    }
}

}  // namespace vx::platform::sim
