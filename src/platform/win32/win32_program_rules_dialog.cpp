#include "platform/win32/win32_program_rules_dialog.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "platform/portable/program_rules_dialog_model.h"
#include "platform/win32/resources/resource.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_file_dialog.h"

namespace vx::platform {
namespace {

struct Session {
    ProgramRules rules;
    const ProgramRulesTexts& texts;
    const std::vector<ForegroundProgram>& running;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextW(dialog, id, Widen(text).c_str()); }

int SelectedRow(HWND dialog) {
    return static_cast<int>(
        SendMessageW(Item(dialog, IDC_RULES_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void AddColumn(HWND list, int index, const std::string& text, int width) {
    std::wstring wide = Widen(text);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = width;
    column.pszText = wide.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text, bool insert) {
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, insert ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, insert ? 0 : static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void SelectRow(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void UpdateRuleControls(HWND dialog, const Session& session) {
    const int row = SelectedRow(dialog);
    const bool selected = row >= 0 && static_cast<std::size_t>(row) < session.rules.rules.size();
    EnableWindow(Item(dialog, IDC_RULES_PROFILE), selected);
    EnableWindow(Item(dialog, IDC_RULES_REMOVE), selected);
    EnableWindow(Item(dialog, IDC_RULES_UP), selected && row > 0);
    EnableWindow(Item(dialog, IDC_RULES_DOWN),
                 selected && static_cast<std::size_t>(row) + 1 < session.rules.rules.size());
    if (selected) {
        SendMessageW(Item(dialog, IDC_RULES_PROFILE), CB_SETCURSEL,
                     static_cast<WPARAM>(session.rules.rules[static_cast<std::size_t>(row)].config - 1), 0);
    }
}

void FillList(HWND dialog, const Session& session, int selected) {
    HWND list = Item(dialog, IDC_RULES_LIST);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const ProgramRule& rule : session.rules.rules) {
        SetCell(list, row, 0, RuleKindText(session.texts, rule.match) + ": " + rule.pattern, true);
        SetCell(list, row, 1, ProfileText(session.texts, rule.config), false);
        ++row;
    }
    if (selected >= 0 && selected < row) SelectRow(list, selected);
    UpdateRuleControls(dialog, session);
}

void AddRule(HWND dialog, Session& session, ProgramRule rule) {
    const int chosen = static_cast<int>(SendMessageW(Item(dialog, IDC_RULES_PROFILE), CB_GETCURSEL, 0, 0));
    rule.config = chosen >= 0 ? chosen + 1 : 1;
    session.rules.rules.push_back(std::move(rule));
    FillList(dialog, session, static_cast<int>(session.rules.rules.size()) - 1);
}

std::optional<std::string> ChooseFolder(HWND dialog) {
    BROWSEINFOW browse{};
    browse.hwndOwner = dialog;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) return std::nullopt;
    std::wstring path(32768, L'\0');
    const BOOL got = SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(chosen);
    if (!got) return std::nullopt;
    path.resize(wcslen(path.c_str()));
    return Narrow(path);
}

void Initialise(HWND dialog, Session& session) {
    const ProgramRulesTexts& t = session.texts;
    SetWindowTextW(dialog, Widen(t.title).c_str());
    SetText(dialog, IDC_RULES_ENABLE, t.enable);
    SetText(dialog, IDC_RULES_ADD_PROGRAM, t.addProgram);
    SetText(dialog, IDC_RULES_ADD_FOLDER, t.addFolder);
    SetText(dialog, IDC_RULES_REMOVE, t.remove);
    SetText(dialog, IDC_RULES_UP, t.moveUp);
    SetText(dialog, IDC_RULES_DOWN, t.moveDown);
    SetText(dialog, IDC_RULES_ADD_RUNNING, t.addRunning);
    SetText(dialog, IDC_RULES_PROFILE_LABEL, t.ruleProfile);
    SetText(dialog, IDC_RULES_FALLBACK_LABEL, t.fallbackLabel);
    SetText(dialog, IDC_RULES_REACH, t.reach);
    SetText(dialog, IDOK, t.ok);
    SetText(dialog, IDCANCEL, t.cancel);
    CheckDlgButton(dialog, IDC_RULES_ENABLE, session.rules.enabled ? BST_CHECKED : BST_UNCHECKED);

    HWND list = Item(dialog, IDC_RULES_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    RECT area{};
    GetClientRect(list, &area);
    const int profileWidth = (area.right - area.left) / 4;
    AddColumn(list, 0, t.listHeading, area.right - area.left - profileWidth - 4);
    AddColumn(list, 1, t.profileColumn, profileWidth);

    HWND profile = Item(dialog, IDC_RULES_PROFILE);
    HWND fallback = Item(dialog, IDC_RULES_FALLBACK);
    SendMessageW(fallback, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(t.fallbackPrevious).c_str()));
    for (std::int32_t number = 1; number <= 5; ++number) {
        const std::wstring text = Widen(ProfileText(t, number));
        SendMessageW(profile, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(fallback, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(profile, CB_SETCURSEL, 0, 0);
    SendMessageW(fallback, CB_SETCURSEL, static_cast<WPARAM>(session.rules.fallback), 0);
    HWND running = Item(dialog, IDC_RULES_RUNNING);
    for (const ForegroundProgram& program : session.running) {
        SendMessageW(running, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(RunningProgramText(program)).c_str()));
    }
    if (!session.running.empty()) SendMessageW(running, CB_SETCURSEL, 0, 0);
    EnableWindow(Item(dialog, IDC_RULES_ADD_RUNNING), !session.running.empty());
    FillList(dialog, session, session.rules.rules.empty() ? -1 : 0);
}

void OnCommand(HWND dialog, Session& session, int id, int code) {
    const int row = SelectedRow(dialog);
    const auto index = static_cast<std::size_t>(row);
    switch (id) {
        case IDC_RULES_ADD_PROGRAM: {
            FileDialogSpec request;
            request.filter = session.texts.programFilter;
            if (const auto path = RunFileDialog(dialog, request)) {
                const std::size_t slash = path->find_last_of("\\/");
                AddRule(dialog, session,
                        {RuleMatch::ProgramFile, path->substr(slash == std::string::npos ? 0 : slash + 1), 1});
            }
            break;
        }
        case IDC_RULES_ADD_FOLDER:
            if (const auto folder = ChooseFolder(dialog)) AddRule(dialog, session, {RuleMatch::Folder, *folder, 1});
            break;
        case IDC_RULES_ADD_RUNNING: {
            const auto pick = static_cast<int>(SendMessageW(Item(dialog, IDC_RULES_RUNNING), CB_GETCURSEL, 0, 0));
            if (pick >= 0 && static_cast<std::size_t>(pick) < session.running.size()) {
                AddRule(dialog, session, RuleForRunningProgram(session.running[static_cast<std::size_t>(pick)], 1));
            }
            break;
        }
        case IDC_RULES_REMOVE:
            if (row >= 0) {
                const std::size_t next = RemoveRule(session.rules, index);
                FillList(dialog, session, session.rules.rules.empty() ? -1 : static_cast<int>(next));
            }
            break;
        case IDC_RULES_UP:
            if (row >= 0) FillList(dialog, session, static_cast<int>(MoveRuleUp(session.rules, index)));
            break;
        case IDC_RULES_DOWN:
            if (row >= 0) FillList(dialog, session, static_cast<int>(MoveRuleDown(session.rules, index)));
            break;
        case IDC_RULES_PROFILE:
            if (code == CBN_SELCHANGE && row >= 0 && index < session.rules.rules.size()) {
                const auto chosen = static_cast<int>(SendMessageW(Item(dialog, IDC_RULES_PROFILE), CB_GETCURSEL, 0, 0));
                session.rules.rules[index].config = chosen + 1;
                SetCell(Item(dialog, IDC_RULES_LIST), row, 1, ProfileText(session.texts, chosen + 1), false);
            }
            break;
        case IDOK: {
            session.rules.enabled = IsDlgButtonChecked(dialog, IDC_RULES_ENABLE) == BST_CHECKED;
            const auto fallback = SendMessageW(Item(dialog, IDC_RULES_FALLBACK), CB_GETCURSEL, 0, 0);
            session.rules.fallback = fallback > 0 ? static_cast<std::int32_t>(fallback) : kFallbackToPrevious;
            EndDialog(dialog, IDOK);
            break;
        }
        case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
        default: break;
    }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Initialise(dialog, *reinterpret_cast<Session*>(lParam));
        return TRUE;
    }
    auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (session == nullptr) return FALSE;
    if (message == WM_COMMAND) {
        OnCommand(dialog, *session, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_RULES_LIST && header->code == LVN_ITEMCHANGED) UpdateRuleControls(dialog, *session);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

std::optional<ProgramRules> Win32ProgramRulesDialog::Edit(const ProgramRules& rules, const ProgramRulesTexts& texts,
                                                          const std::vector<ForegroundProgram>& running) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    Session session{rules, texts, running};
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROGRAM_RULES),
                        static_cast<HWND>(owner_ ? owner_() : nullptr), DialogProc, reinterpret_cast<LPARAM>(&session));
    if (result != IDOK) return std::nullopt;
    return session.rules;
}

}  // namespace vx::platform
