#include "app/control_protocol.h"

#include <array>
#include <charconv>

namespace vx::app::control {
namespace {

struct VerbName {
    Verb verb;
    std::string_view name;
};

constexpr std::array<VerbName, 5> kVerbs{{{Verb::Status, "status"},
                                          {Verb::Profile, "profile"},
                                          {Verb::Apply, "apply"},
                                          {Verb::Export, "export"},
                                          {Verb::Import, "import"}}};

std::string_view NameOf(Verb verb) {
    for (const VerbName& entry : kVerbs) {
        if (entry.verb == verb) return entry.name;
    }
    return {};
}

// Takes the next word (up to a blank) off the front of `rest`.
std::string_view NextWord(std::string_view& rest) {
    const std::size_t end = rest.find(' ');
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return word;
}

bool IsPlainText(std::string_view line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

std::optional<std::int32_t> ProfileNumber(std::string_view word) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error != std::errc() || end != word.data() + word.size() || number < 1 || number > 5) return std::nullopt;
    return number;
}

bool NeedsProfile(Verb verb) { return verb == Verb::Profile || verb == Verb::Export || verb == Verb::Import; }
bool NeedsFile(Verb verb) { return verb == Verb::Export || verb == Verb::Import; }

ParsedRequest Bad(std::string reason) { return ParsedRequest{std::nullopt, std::move(reason)}; }

}  // namespace

std::string FormatRequest(const Request& request) {
    std::string line(kVersionWord);
    line += ' ';
    line += NameOf(request.verb);
    if (NeedsProfile(request.verb)) line += ' ' + std::to_string(request.profile);
    if (NeedsFile(request.verb)) line += ' ' + request.file;
    return line;
}

ParsedRequest ParseRequest(std::string_view line) {
    if (line.size() >= kMaxLineBytes) return Bad("request longer than " + std::to_string(kMaxLineBytes) + " bytes");
    if (!IsPlainText(line)) return Bad("request holds bytes that are not plain text");
    std::string_view rest = line;
    if (NextWord(rest) != kVersionWord) return Bad("request is not " + std::string(kVersionWord));
    const std::string_view verbWord = NextWord(rest);
    const VerbName* found = nullptr;
    for (const VerbName& entry : kVerbs) {
        if (entry.name == verbWord) found = &entry;
    }
    if (found == nullptr) return Bad("unknown request \"" + std::string(verbWord.substr(0, 32)) + "\"");
    Request request;
    request.verb = found->verb;
    if (NeedsProfile(request.verb)) {
        const std::optional<std::int32_t> number = ProfileNumber(NextWord(rest));
        if (!number) return Bad(std::string(found->name) + ": the profile is not 1..5");
        request.profile = *number;
    }
    if (NeedsFile(request.verb)) {
        // The file is the rest of the line: a path may hold blanks.
        if (rest.empty()) return Bad(std::string(found->name) + ": no file");
        request.file = std::string(rest);
        rest = {};
    }
    if (!rest.empty()) return Bad(std::string(found->name) + ": more words than it takes");
    return ParsedRequest{request, {}};
}

std::string FormatAnswer(const Answer& answer) {
    std::string line(kVersionWord);
    if (!answer.ok) return line + " error " + answer.error;
    line += " ok";
    for (const auto& [key, value] : answer.values) line += ' ' + key + '=' + value;
    return line;
}

std::optional<Answer> ParseAnswer(std::string_view line) {
    std::string_view rest = line;
    if (NextWord(rest) != kVersionWord) return std::nullopt;
    const std::string_view status = NextWord(rest);
    if (status == "error") return Refusal(std::string(rest));
    if (status != "ok") return std::nullopt;
    Answer answer{true, {}, {}};
    while (!rest.empty()) {
        const std::string_view word = NextWord(rest);
        const std::size_t equals = word.find('=');
        if (equals == 0 || equals == std::string_view::npos) return std::nullopt;
        answer.values.emplace_back(std::string(word.substr(0, equals)), std::string(word.substr(equals + 1)));
    }
    return answer;
}

}  // namespace vx::app::control
