#include "app/control_client.h"

#include <optional>

#include "app/control_protocol.h"

namespace vx::app::control {
namespace {

constexpr const char* kUsage =
    "Usage: vx230ctl COMMAND\n"
    "Controls the running VX230 program.\n"
    "\n"
    "  status            the mouse, the profile shown, the profile applied, the language\n"
    "  profile N         switch to profile N (1..5) and apply it\n"
    "  apply             apply the profile shown\n"
    "  export N FILE     write profile N into FILE as an exchange file\n"
    "  import N FILE     replace profile N by the one in the exchange file FILE\n"
    "  --help            this text\n"
    "  --version         the version\n"
    "\n"
    "Exit codes: 0 done, 1 bad usage, 2 the program is not running, 3 refused\n"
    "(the reason on the standard error). Answers are key=value lines.\n";

struct Verbs {
    const char* word;
    Verb verb;
    std::size_t words;  // the arguments it takes
};

constexpr Verbs kCommands[] = {{"status", Verb::Status, 0},
                               {"profile", Verb::Profile, 1},
                               {"apply", Verb::Apply, 0},
                               {"export", Verb::Export, 2},
                               {"import", Verb::Import, 2}};

int BadUsage(const ClientContext& context, const std::string& why) {
    context.err << "vx230ctl: " << why << "\nTry vx230ctl --help.\n";
    return kBadUsage;
}

std::optional<Request> RequestOf(const std::vector<std::string>& args, const ClientContext& context, std::string& why) {
    for (const Verbs& command : kCommands) {
        if (args[0] != command.word) continue;
        if (args.size() != command.words + 1) {
            why = std::string(command.word) + " takes " + std::to_string(command.words) + " argument(s)";
            return std::nullopt;
        }
        Request request;
        request.verb = command.verb;
        if (command.words >= 1) {
            const std::string& number = args[1];
            if (number.size() != 1 || number[0] < '1' || number[0] > '5') {
                why = "the profile \"" + number + "\" is not 1..5";
                return std::nullopt;
            }
            request.profile = number[0] - '0';
        }
        if (command.words == 2) {
            request.file = context.absolutePath(args[2]);
            if (request.file.empty()) {
                why = "the file \"" + args[2] + "\" has no full path";
                return std::nullopt;
            }
        }
        return request;
    }
    why = "unknown command \"" + args[0] + "\"";
    return std::nullopt;
}

}  // namespace

int RunClient(const std::vector<std::string>& args, const ClientContext& context) {
    if (args.empty()) return BadUsage(context, "no command");
    if (args.size() == 1 && args[0] == "--help") {
        context.out << kUsage;
        return kDone;
    }
    if (args.size() == 1 && args[0] == "--version") {
        context.out << "vx230ctl " << context.version << "\n";
        return kDone;
    }
    std::string why;
    const std::optional<Request> request = RequestOf(args, context, why);
    if (!request) return BadUsage(context, why);
    const std::string line = FormatRequest(*request);
    if (!ParseRequest(line).request) return BadUsage(context, "the file name cannot be sent");

    const Exchange exchange = context.connection.Send(line);
    if (exchange.outcome == Exchange::Outcome::NotRunning) {
        context.err << "vx230ctl: the program is not running\n";
        return kNotRunning;
    }
    if (exchange.outcome == Exchange::Outcome::Failed) {
        context.err << "vx230ctl: no answer: " << exchange.text << "\n";
        return kRefused;
    }
    const std::optional<Answer> answer = ParseAnswer(exchange.text);
    if (!answer) {
        context.err << "vx230ctl: the program answered in a way this vx230ctl does not read\n";
        return kRefused;
    }
    if (!answer->ok) {
        context.err << "vx230ctl: refused: " << answer->error << "\n";
        return kRefused;
    }
    for (const auto& [key, value] : answer->values) context.out << key << "=" << value << "\n";
    return kDone;
}

}  // namespace vx::app::control
