// Resource identifiers of the Windows program. The numbers are fixed: the
// program's logic loads its dialogs, icon and string by them. The menus
// are not resources: they are made from the menu table
// (platform/portable/menu_resources.cpp, ids in platform/menu_commands.h).
#pragma once

#define IDD_ABOUTBOX      100
#define IDS_ABOUTBOX      101
#define IDD_MAIN_WINDOW   102
#define IDD_FUNCTION_MENU 103
#define IDD_SUB_MENU      104
#define IDD_WARNING       105
#define IDD_PROGRAM_RULES 106
#define IDI_MAIN          159

// The about box's icon control.
#define IDC_ABOUT_ICON 1000

// The per-program profiles' dialog; its texts are set when it opens.
#define IDC_RULES_ENABLE         1100
#define IDC_RULES_LIST           1101
#define IDC_RULES_ADD_PROGRAM    1102
#define IDC_RULES_ADD_FOLDER     1103
#define IDC_RULES_REMOVE         1104
#define IDC_RULES_UP             1105
#define IDC_RULES_DOWN           1106
#define IDC_RULES_RUNNING        1107
#define IDC_RULES_ADD_RUNNING    1108
#define IDC_RULES_PROFILE_LABEL  1109
#define IDC_RULES_PROFILE        1110
#define IDC_RULES_FALLBACK_LABEL 1111
#define IDC_RULES_FALLBACK       1112
#define IDC_RULES_REACH          1113

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
