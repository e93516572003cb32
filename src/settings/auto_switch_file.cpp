#include "settings/auto_switch_file.h"

#include <algorithm>
#include <optional>

#include "settings/ini_value.h"

namespace vx::settings {
namespace {

constexpr std::size_t kValueCapacity = 2048;

const char* MatchWord(platform::RuleMatch match) {
    switch (match) {
        case platform::RuleMatch::Folder: return "folder";
        case platform::RuleMatch::WindowClass: return "class";
        case platform::RuleMatch::ProgramFile: break;
    }
    return "program";
}

std::optional<platform::RuleMatch> MatchOf(std::string_view word) {
    if (word == "program") return platform::RuleMatch::ProgramFile;
    if (word == "folder") return platform::RuleMatch::Folder;
    if (word == "class") return platform::RuleMatch::WindowClass;
    return std::nullopt;
}

std::optional<platform::ProgramRule> ParseRule(std::string_view text) {
    const std::size_t first = text.find('|');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = text.find('|', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view number = text.substr(0, first);
    if (number.size() != 1 || number[0] < '1' || number[0] > '5') return std::nullopt;
    const auto match = MatchOf(text.substr(first + 1, second - first - 1));
    const std::string_view pattern = text.substr(second + 1);
    if (!match || pattern.empty()) return std::nullopt;
    return platform::ProgramRule{*match, std::string(pattern), number[0] - '0'};
}

std::string RuleKey(std::size_t index) { return "Rule" + std::to_string(index + 1); }

}  // namespace

platform::ProgramRules ReadProgramRules(platform::ProfileFiles& profiles, const std::string& file,
                                        platform::Diagnostics& diagnostics) {
    platform::ProgramRules result;
    auto read = [&](std::string_view key) {
        return profiles.ReadString(file, kAutoSwitchSection, key, kValueCapacity);
    };
    result.enabled = ParseIniInt(read("Enabled")) == 1;
    const std::int32_t fallback = ParseIniInt(read("Fallback"));
    result.fallback = fallback >= 1 && fallback <= 5 ? fallback : platform::kFallbackToPrevious;
    const std::int32_t count = ParseIniInt(read("Rules"));
    const auto rules = static_cast<std::size_t>(std::clamp<std::int32_t>(count, 0, kMaxProgramRules));
    for (std::size_t index = 0; index < rules; ++index) {
        const std::string key = RuleKey(index);
        if (auto rule = ParseRule(read(key))) {
            result.rules.push_back(std::move(*rule));
        } else {
            diagnostics.Report("per-program profiles: [AutoSwitch] " + key +
                               " left out: not <1..5>|program|folder|class|<pattern>");
        }
    }
    return result;
}

bool WriteProgramRules(platform::ProfileFiles& profiles, const std::string& file, const platform::ProgramRules& rules) {
    const std::size_t count = std::min(rules.rules.size(), kMaxProgramRules);
    const std::int32_t before = ParseIniInt(profiles.ReadString(file, kAutoSwitchSection, "Rules", kValueCapacity));
    const auto stale = static_cast<std::size_t>(std::clamp<std::int32_t>(before, 0, kMaxProgramRules));
    std::vector<platform::ProfileEntry> entries{
        {"Enabled", rules.enabled ? "1" : "0"},
        {"Fallback", FormatIniInt(rules.fallback)},
        {"Rules", FormatIniInt(static_cast<std::int32_t>(count))},
    };
    for (std::size_t index = 0; index < count; ++index) {
        const platform::ProgramRule& rule = rules.rules[index];
        entries.push_back(
            {RuleKey(index), FormatIniInt(rule.config) + "|" + MatchWord(rule.match) + "|" + rule.pattern});
    }
    for (std::size_t index = count; index < stale; ++index) entries.push_back({RuleKey(index), ""});
    return profiles.WriteStrings(file, kAutoSwitchSection, entries);
}

bool WriteProgramRulesEnabled(platform::ProfileFiles& profiles, const std::string& file, bool enabled) {
    return profiles.WriteString(file, kAutoSwitchSection, "Enabled", enabled ? "1" : "0");
}

}  // namespace vx::settings
