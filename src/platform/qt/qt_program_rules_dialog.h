#pragma once
// The per-program profiles' dialog on Linux: a plain Qt dialog with the
// rules in a two-column list.
#include "platform/program_rules_dialog.h"

namespace vx::platform {

class QtProgramRulesDialog final : public ProgramRulesDialog {
public:
    std::optional<ProgramRules> Edit(const ProgramRules& rules, const ProgramRulesTexts& texts,
                                     const std::vector<ForegroundProgram>& running) override;
};

}  // namespace vx::platform
