#pragma once
// What both dialogs of the per-program profiles share: their texts in the
// two languages, the line about what the watch can see, a list line's text,
// the rule a picked running program becomes, and the list's edits.
#include <cstddef>
#include <string>

#include "platform/foreground_watch.h"
#include "platform/program_rules_dialog.h"

namespace vx::platform {

ProgramRulesTexts ProgramRulesDialogTexts(bool english, ForegroundReach reach);

// "Program  game.exe" style: the kind, then the pattern.
std::string RuleKindText(const ProgramRulesTexts& texts, RuleMatch match);
std::string ProfileText(const ProgramRulesTexts& texts, std::int32_t number);

// How a running program shows in the picker, and the rule it becomes: a
// Wine or Proton game (the preloader in front) by its window class, any
// other by its file name.
std::string RunningProgramText(const ForegroundProgram& program);
ProgramRule RuleForRunningProgram(const ForegroundProgram& program, std::int32_t config);

// The list's edits; each returns the row selected afterwards.
std::size_t MoveRuleUp(ProgramRules& rules, std::size_t row);
std::size_t MoveRuleDown(ProgramRules& rules, std::size_t row);
// The row after the removed one, or the new last; rules.rules.size() when empty.
std::size_t RemoveRule(ProgramRules& rules, std::size_t row);

}  // namespace vx::platform
