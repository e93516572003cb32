#include "platform/portable/program_rules_dialog_model.h"

#include <utility>

namespace vx::platform {
namespace {

std::string ReachLine(bool english, ForegroundReach reach) {
    switch (reach) {
        case ForegroundReach::EveryProgram:
            return english ? "The program in front is seen for every program on this desktop."
                           : "此桌面上的每个前台程序都能识别。";
        case ForegroundReach::X11Programs:
            return english ? "Wayland session: only X11 programs in front are seen (XWayland, Wine and Proton "
                             "games); native Wayland windows are not. An X11 session sees every program."
                           : "Wayland 会话：只能识别前台的 X11 程序（XWayland、Wine 和 Proton 游戏），"
                             "识别不了原生 Wayland 窗口。X11 会话可识别所有程序。";
        case ForegroundReach::Nothing: break;
    }
    return english ? "This desktop does not tell which program is in front: profiles are not switched."
                   : "此桌面不提供前台程序的信息：不会自动切换配置。";
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWinePreloader(const std::string& path) {
    const std::string name = FileName(path);
    return name == "wine64-preloader" || name == "wine-preloader" || name == "wine64" || name == "wine";
}

}  // namespace

ProgramRulesTexts ProgramRulesDialogTexts(bool english, ForegroundReach reach) {
    ProgramRulesTexts t;
    if (english) {
        t = {"Per-Program Profiles",
             "Switch the profile by the program in front",
             "Program, folder or window class",
             "Profile",
             "Add Program...",
             "Add Running Program",
             "Add Folder...",
             "Remove",
             "Move Up",
             "Move Down",
             "Profile of the selected rule:",
             "When no rule matches:",
             "the profile from before the first switch",
             "Profile",
             "Program",
             "Folder",
             "Window class",
             "Programs|*.exe|All Files|*||",
             "OK",
             "Cancel",
             ""};
    } else {
        t = {"程序配置",
             "按前台程序切换配置",
             "程序、文件夹或窗口类",
             "配置",
             "添加程序...",
             "添加运行中的程序",
             "添加文件夹...",
             "删除",
             "上移",
             "下移",
             "所选规则的配置：",
             "无规则匹配时：",
             "恢复首次切换前的配置",
             "配置",
             "程序",
             "文件夹",
             "窗口类",
             "程序|*.exe|所有文件|*||",
             "确定",
             "取消",
             ""};
    }
    t.reach = ReachLine(english, reach);
    return t;
}

std::string RuleKindText(const ProgramRulesTexts& texts, RuleMatch match) {
    switch (match) {
        case RuleMatch::Folder: return texts.folderWord;
        case RuleMatch::WindowClass: return texts.classWord;
        case RuleMatch::ProgramFile: break;
    }
    return texts.programWord;
}

std::string ProfileText(const ProgramRulesTexts& texts, std::int32_t number) {
    return texts.profileWord + " " + std::to_string(number);
}

std::string RunningProgramText(const ForegroundProgram& program) {
    std::string text = program.path.empty() ? std::string("?") : FileName(program.path);
    if (!program.windowClass.empty()) text += "  [" + program.windowClass + "]";
    return text;
}

ProgramRule RuleForRunningProgram(const ForegroundProgram& program, std::int32_t config) {
    if (!program.windowClass.empty() && (program.path.empty() || IsWinePreloader(program.path))) {
        return ProgramRule{RuleMatch::WindowClass, program.windowClass, config};
    }
    return ProgramRule{RuleMatch::ProgramFile, FileName(program.path), config};
}

std::size_t MoveRuleUp(ProgramRules& rules, std::size_t row) {
    if (row == 0 || row >= rules.rules.size()) return row;
    std::swap(rules.rules[row - 1], rules.rules[row]);
    return row - 1;
}

std::size_t MoveRuleDown(ProgramRules& rules, std::size_t row) {
    if (row + 1 >= rules.rules.size()) return row;
    std::swap(rules.rules[row], rules.rules[row + 1]);
    return row + 1;
}

std::size_t RemoveRule(ProgramRules& rules, std::size_t row) {
    if (row >= rules.rules.size()) return rules.rules.size();
    rules.rules.erase(rules.rules.begin() + static_cast<std::ptrdiff_t>(row));
    if (rules.rules.empty()) return 0;
    return row < rules.rules.size() ? row : rules.rules.size() - 1;
}

}  // namespace vx::platform
