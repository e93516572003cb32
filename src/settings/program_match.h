#pragma once
// Which rule the program in front matches: by the executable's file name,
// by a folder it lies under, or by its X11 window class; letter case never
// counts, '\\' and '/' are the same separator, and the first match wins.
#include <cstddef>
#include <optional>

#include "platform/program_rules.h"

namespace vx::settings {

std::optional<std::size_t> FirstMatchingRule(const platform::ProgramRules& rules,
                                             const platform::ForegroundProgram& program);

bool RuleMatches(const platform::ProgramRule& rule, const platform::ForegroundProgram& program);

// The file name of a path with either separator.
std::string FileNameOf(const std::string& path);

}  // namespace vx::settings
