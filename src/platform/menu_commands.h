#pragma once
// The command ids of the program's menus, named once. Each language's menu
// has ids of its own, as the menus always had; the menu tables
// (portable/menu_resources.cpp) and everyone who handles a command use
// these names.
namespace vx::platform::menu_command {

// The tray menu.
inline constexpr int kExitDriverEn = 32800;
inline constexpr int kShowWindowEn = 32801;
inline constexpr int kShowWindowCn = 32837;
inline constexpr int kExitDriverCn = 32838;
inline constexpr int kProgramRulesEn = 32845;
inline constexpr int kProgramRulesCn = 32846;
// Only where the program offers to start with the session itself.
inline constexpr int kSessionStartEn = 32847;
inline constexpr int kSessionStartCn = 32848;

// The event list's menu: insert a button's press or release before or
// after the clicked event, change the delay in place, delete the event.
struct ButtonInsertIds {
    int down;
    int up;
};
struct InsertIds {
    ButtonInsertIds left;
    ButtonInsertIds right;
    ButtonInsertIds middle;
};
struct EventMenuIds {
    InsertIds before;
    InsertIds after;
    int modifyDelay;
    int remove;
};
inline constexpr EventMenuIds kEventMenuEn{
    {{32802, 32803}, {32804, 32805}, {32806, 32807}}, {{32809, 32810}, {32811, 32812}, {32813, 32814}}, 32780, 32781};
inline constexpr EventMenuIds kEventMenuCn{
    {{32817, 32818}, {32820, 32821}, {32823, 32824}}, {{32829, 32830}, {32831, 32832}, {32833, 32834}}, 32835, 32836};

}  // namespace vx::platform::menu_command
