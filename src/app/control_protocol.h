#pragma once
// The line protocol between vx230ctl and the running program: one request
// line, one answer line, both starting with the version word. Both sides
// build and read lines only through these functions.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx::app::control {

// Raised when a request or an answer changes meaning; a program and a
// vx230ctl of different versions then refuse each other plainly.
inline constexpr std::string_view kVersionWord = "VX230CTL/1";
// One request line at most, its newline included; longer ones are refused
// unread.
inline constexpr std::size_t kMaxLineBytes = 4096;

enum class Verb { Status, Profile, Apply, Export, Import };

struct Request {
    Verb verb = Verb::Status;
    std::int32_t profile = 0;  // 1..5 for profile, export and import
    std::string file;          // export and import: an absolute path (UTF-8)
};

// The request as a line, without its newline.
std::string FormatRequest(const Request& request);

struct ParsedRequest {
    std::optional<Request> request;
    std::string error;  // why there is none
};
// A line as received, without its newline.
ParsedRequest ParseRequest(std::string_view line);

using Values = std::vector<std::pair<std::string, std::string>>;

struct Answer {
    bool ok = false;
    Values values;      // ok: key=value words, values without blanks
    std::string error;  // refused: the reason, in plain words
};

std::string FormatAnswer(const Answer& answer);
// Nothing when the line is no answer of this version.
std::optional<Answer> ParseAnswer(std::string_view line);

inline Answer Refusal(std::string reason) { return Answer{false, {}, std::move(reason)}; }

}  // namespace vx::app::control
