#include "settings/program_match.h"

#include <algorithm>
#include <string>

namespace vx::settings {
namespace {

// ASCII letters only: the bytes of other UTF-8 characters stay as they are.
std::string Folded(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == '\\') c = '/';
    }
    return text;
}

bool UnderFolder(const std::string& path, std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    if (folder.empty()) return false;
    folder += '/';
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool RuleMatches(const platform::ProgramRule& rule, const platform::ForegroundProgram& program) {
    const std::string pattern = Folded(rule.pattern);
    switch (rule.match) {
        case platform::RuleMatch::ProgramFile:
            return !program.path.empty() && Folded(FileNameOf(program.path)) == Folded(FileNameOf(rule.pattern));
        case platform::RuleMatch::Folder: return UnderFolder(Folded(program.path), pattern);
        case platform::RuleMatch::WindowClass:
            return (!program.windowClass.empty() && Folded(program.windowClass) == pattern) ||
                   (!program.windowInstance.empty() && Folded(program.windowInstance) == pattern);
    }
    return false;
}

std::optional<std::size_t> FirstMatchingRule(const platform::ProgramRules& rules,
                                             const platform::ForegroundProgram& program) {
    const auto found = std::find_if(rules.rules.begin(), rules.rules.end(),
                                    [&](const platform::ProgramRule& rule) { return RuleMatches(rule, program); });
    if (found == rules.rules.end()) return std::nullopt;
    return static_cast<std::size_t>(found - rules.rules.begin());
}

}  // namespace vx::settings
