#pragma once
// The dialog where the user sets the per-program profiles: a plain dialog
// of the system (not the skinned window). Its texts and the list's
// operations come from the core (portable/program_rules_dialog_model.*).
#include <optional>
#include <string>
#include <vector>

#include "platform/foreground_watch.h"
#include "platform/program_rules.h"

namespace vx::platform {

struct ProgramRulesTexts {
    std::string title, enable, listHeading, profileColumn;
    std::string addProgram, addRunning, addFolder, remove, moveUp, moveDown;
    std::string ruleProfile, fallbackLabel, fallbackPrevious;
    std::string profileWord;  // "Profile" / "配置", followed by the number
    std::string programWord, folderWord, classWord;
    std::string programFilter;  // the open dialog's filter for programs
    std::string ok, cancel;
    std::string reach;  // what the watch can see on this desktop
};

class ProgramRulesDialog {
public:
    virtual ~ProgramRulesDialog() = default;
    // Runs the dialog modally over the main window; the edited rules, or
    // nothing when the user cancelled. `running` fills its "running
    // programs" choice.
    virtual std::optional<ProgramRules> Edit(const ProgramRules& rules, const ProgramRulesTexts& texts,
                                             const std::vector<ForegroundProgram>& running) = 0;
};

}  // namespace vx::platform
