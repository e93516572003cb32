#pragma once
// The per-program profiles' dialog on Windows: dialog template 106 with a
// list view of the rules.
#include <functional>

#include "platform/program_rules_dialog.h"

namespace vx::platform {

class Win32ProgramRulesDialog final : public ProgramRulesDialog {
public:
    // `owner` gives the main window's handle (an HWND) when the dialog opens.
    explicit Win32ProgramRulesDialog(std::function<void*()> owner) : owner_(std::move(owner)) {}

    std::optional<ProgramRules> Edit(const ProgramRules& rules, const ProgramRulesTexts& texts,
                                     const std::vector<ForegroundProgram>& running) override;

private:
    std::function<void*()> owner_;
};

}  // namespace vx::platform
