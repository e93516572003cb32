// Resource identifiers of the Windows program. The numbers are fixed: the
// program's logic loads its dialogs, menus, icon and string by them.
#pragma once

#define IDD_ABOUTBOX      100
#define IDS_ABOUTBOX      101
#define IDD_MAIN_WINDOW   102
#define IDD_FUNCTION_MENU 103
#define IDD_SUB_MENU      104
#define IDD_WARNING       105
#define IDD_PROGRAM_RULES 106
#define IDR_EVENT_MENU_EN 154
#define IDR_TRAY_MENU_EN  157
#define IDI_MAIN          159
#define IDR_EVENT_MENU_CN 161
#define IDR_TRAY_MENU_CN  162

// Event-list context menu, English.
#define ID_EN_FWD_LEFT_DOWN   32802
#define ID_EN_FWD_LEFT_UP     32803
#define ID_EN_FWD_RIGHT_DOWN  32804
#define ID_EN_FWD_RIGHT_UP    32805
#define ID_EN_FWD_MID_DOWN    32806
#define ID_EN_FWD_MID_UP      32807
#define ID_EN_BACK_LEFT_DOWN  32809
#define ID_EN_BACK_LEFT_UP    32810
#define ID_EN_BACK_RIGHT_DOWN 32811
#define ID_EN_BACK_RIGHT_UP   32812
#define ID_EN_BACK_MID_DOWN   32813
#define ID_EN_BACK_MID_UP     32814
#define ID_EN_MODIFY_DELAY    32780
#define ID_EN_DELETE          32781

// Event-list context menu, Chinese.
#define ID_CN_FWD_LEFT_DOWN   32817
#define ID_CN_FWD_LEFT_UP     32818
#define ID_CN_FWD_RIGHT_DOWN  32820
#define ID_CN_FWD_RIGHT_UP    32821
#define ID_CN_FWD_MID_DOWN    32823
#define ID_CN_FWD_MID_UP      32824
#define ID_CN_BACK_LEFT_DOWN  32829
#define ID_CN_BACK_LEFT_UP    32830
#define ID_CN_BACK_RIGHT_DOWN 32831
#define ID_CN_BACK_RIGHT_UP   32832
#define ID_CN_BACK_MID_DOWN   32833
#define ID_CN_BACK_MID_UP     32834
#define ID_CN_MODIFY_DELAY    32835
#define ID_CN_DELETE          32836

// Tray menu.
#define ID_EN_SHOW_WINDOW 32801
#define ID_EN_EXIT_DRIVER 32800
#define ID_CN_SHOW_WINDOW 32837
#define ID_CN_EXIT_DRIVER 32838
#define ID_EN_PROGRAM_RULES 32845
#define ID_CN_PROGRAM_RULES 32846

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
