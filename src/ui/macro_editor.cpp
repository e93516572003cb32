#include "ui/macro_editor.h"

#include <algorithm>

#include "macro/event_lines.h"
#include "macro/macro_files.h"
#include "macro/macro_text.h"
#include "macro/record_edits.h"
#include "platform/menu_commands.h"

namespace vx::ui {
namespace {

using macro::IsUserSlot;
using macro::kUserMacroSlots;
using macro::MacroRecord;
using macro::MacroStore;

MacroRecord& UserRecord(const EditorContext& context, std::int32_t slot) {
    return context.macros.user[static_cast<std::size_t>(slot)];
}

void ClearLines(platform::ListBoxControl& list) {
    for (int line = list.LineCount() - 1; line >= 0; --line) list.DeleteLine(line);
}

void ShowRepeatCount(platform::EditControl& edit, const MacroRecord& record) {
    if (record.repeatEnabled == 1) {
        edit.SetText(std::to_string(record.repeatCount));
        edit.Enable(true);
    } else {
        edit.SetText("1");
        edit.Enable(false);
    }
}

}  // namespace

void RefreshMacroList(const EditorContext& context) {
    platform::ListBoxControl& list = context.controls.MacroList();
    ClearLines(list);
    const std::int32_t count = std::clamp<std::int32_t>(context.macros.userMacroCount, 0, kUserMacroSlots);
    for (std::int32_t k = 0; k < count; ++k) list.AddLine(macro::NameText(UserRecord(context, k)));
    if (count == 0) return;
    {
        std::lock_guard lock(context.configLock);
        context.macros.selectedMacro = std::min(std::max(list.LineCount() - 1, 0), context.macros.selectedMacro);
    }
    list.SelectLine(context.macros.selectedMacro);
    SelectMacroFromList(context);
}

void SelectMacroFromList(const EditorContext& context) {
    platform::ListBoxControl& list = context.controls.MacroList();
    const int selected = list.SelectedLine();
    {
        std::lock_guard lock(context.configLock);
        context.macros.selectedMacro = selected;
    }
    context.controls.MacroNameEdit().SetText(list.LineText(selected));
    RefreshEventList(context, selected);
}

void RefreshEventList(const EditorContext& context, std::int32_t slot) {
    context.editor.pressCount = 0;
    context.editor.releaseCount = 0;
    platform::ListBoxControl& events = context.controls.EventList();
    ClearLines(events);
    if (!IsUserSlot(slot)) return;
    const MacroRecord& record = UserRecord(context, slot);
    if (record.eventCount == 0) return;
    for (std::int32_t k = 0; k < record.eventCount; ++k) {
        events.SetRedraw(false);
        AddEventLine(context, record, k);
        events.SetRedraw(true);
    }
    ShowRepeatCount(context.controls.RepeatCountEdit(), record);
}

void AddEventLine(const EditorContext& context, const MacroRecord& record, std::int32_t k) {
    if (k < 0 || k >= static_cast<std::int32_t>(macro::kMacroEventSlots)) return;
    platform::ListBoxControl& events = context.controls.EventList();
    const auto slot = static_cast<std::size_t>(k);
    if (k > 0) events.AddLine(macro::DelayLineText(record.delays[slot - 1]));
    if (record.events[slot].action == macro::ActionPress) ++context.editor.pressCount;
    if (record.events[slot].action == macro::ActionRelease) ++context.editor.releaseCount;
    events.AddLine(macro::EventLineText(record.events[slot]));
    events.SelectLine(context.editor.recording ? events.LineCount() - 1 : context.editor.clickedLine);
}

void AddMacro(const EditorContext& context) {
    const std::string typed = context.controls.MacroNameEdit().Text();
    context.controls.MacroList().Focus();
    MacroStore& macros = context.macros;
    if (macros.userMacroCount >= static_cast<std::int16_t>(kUserMacroSlots) || typed.empty()) return;
    // Compared and listed as it will be stored: a long name is cut to fit.
    MacroRecord named;
    macro::StoreName(named, typed);
    const std::string name = macro::NameText(named);
    const std::int32_t count = std::max<std::int32_t>(macros.userMacroCount, 0);
    const std::int32_t k = count > 0 ? macro::FindMacroByName(macros, name) : 0;
    {
        std::lock_guard lock(context.configLock);
        macros.selectedMacro = k;
    }
    if (k == count) {
        {
            std::lock_guard lock(context.configLock);
            macro::StoreName(UserRecord(context, k), name);
            macros.userMacroCount = static_cast<std::int16_t>(count + 1);
        }
        ClearLines(context.controls.EventList());
        context.controls.MacroList().AddLine(name);
    }
    context.controls.MacroList().SelectLine(k);
}

void DeleteMacro(const EditorContext& context) {
    platform::ListBoxControl& list = context.controls.MacroList();
    MacroStore& macros = context.macros;
    if (list.LineCount() == 0 || context.editor.recording) return;
    const std::int32_t count = std::clamp<std::int32_t>(macros.userMacroCount, 0, kUserMacroSlots);
    const int d = list.SelectedLine();
    if (d < 0 || d >= count) return;
    {
        std::lock_guard lock(context.configLock);
        macro::RemoveUserMacro(macros, d, count);
    }
    list.DeleteLine(d);
    const std::int32_t s = d > 0 ? d - 1 : 0;
    list.SelectLine(s);
    if (list.LineCount() == 0) {
        context.controls.MacroNameEdit().SetText("");
        context.controls.RepeatCountEdit().SetText("1");
        context.controls.RepeatCountEdit().Enable(false);
    } else {
        context.controls.MacroNameEdit().SetText(list.LineText(s));
    }
    {
        std::lock_guard lock(context.configLock);
        macros.selectedMacro = s;
    }
    RefreshEventList(context, s);
}

void CommitRepeatCount(const EditorContext& context, platform::ProfileFiles& profiles) {
    platform::EditControl& edit = context.controls.RepeatCountEdit();
    long value = macro::ParseLeadingInteger(edit.Text());
    if (value < 1) {
        value = 1;
        edit.SetText("1");
    } else if (value > 65535) {
        value = 65535;
        edit.SetText("65535");
    }
    if (IsUserSlot(context.macros.selectedMacro)) {
        std::lock_guard lock(context.configLock);
        UserRecord(context, context.macros.selectedMacro).repeatCount = static_cast<std::uint16_t>(value);
    }
    macro::SaveUserMacros(context.macros, context.configLock, profiles, context.macros.userMacroFile);
}

void ToggleRepeat(const EditorContext& context, platform::MainWindow& window) {
    if (!IsUserSlot(context.macros.selectedMacro)) return;
    MacroRecord& record = UserRecord(context, context.macros.selectedMacro);
    {
        std::lock_guard lock(context.configLock);
        record.repeatEnabled = record.repeatEnabled == 0 ? 1 : 0;
    }
    ShowRepeatCount(context.controls.RepeatCountEdit(), record);
    window.Invalidate();
}

bool InsertMacroEvent(const EditorContext& context, platform::MainWindow& window, std::int32_t slot,
                      std::int32_t position, std::uint8_t code, std::uint8_t action) {
    if (!IsUserSlot(slot)) return false;
    bool inserted = false;
    {
        std::lock_guard lock(context.configLock);
        inserted = macro::InsertEvent(UserRecord(context, slot), position, macro::MacroEvent{code, action});
    }
    if (!inserted) {
        window.MessageBox(kOverflowText, "");
        return false;
    }
    context.editor.clickedLine += 2;
    return true;
}

void InsertEventCommand(const EditorContext& context, platform::MainWindow& window, InsertPlace place,
                        std::uint8_t code, std::uint8_t action) {
    EditorState& editor = context.editor;
    if (editor.recording || editor.menuMacro < 0) return;
    const bool emptyList = context.controls.EventList().LineCount() == 0;
    std::int32_t position = editor.clickedEvent;
    if (place == InsertPlace::After) position = emptyList ? 0 : editor.clickedEvent + 1;
    InsertMacroEvent(context, window, editor.menuMacro, position, code, action);
    if (place == InsertPlace::After && emptyList) editor.clickedLine = 0;
    RefreshEventList(context, editor.menuMacro);
}

void DeleteMacroEvent(const EditorContext& context) {
    EditorState& editor = context.editor;
    if (editor.recording || !IsUserSlot(editor.menuMacro)) return;
    {
        std::lock_guard lock(context.configLock);
        macro::DeleteEvent(UserRecord(context, editor.menuMacro), editor.clickedEvent);
    }
    editor.clickedLine = editor.clickedLine > 2 ? editor.clickedLine - 2 : 0;
    RefreshEventList(context, editor.menuMacro);
}

void ModifyDelay(const EditorContext& context) {
    const EditorState& editor = context.editor;
    if (editor.recording || editor.menuMacro < 0) return;
    if (editor.menuLineCount != 0 && editor.clickedLine % 2 == 1) context.controls.EventList().SendCharacter(1);
}

void ApplyEditedDelay(const EditorContext& context) {
    EditorState& editor = context.editor;
    platform::ListBoxControl& events = context.controls.EventList();
    if (editor.recording || !IsUserSlot(editor.menuMacro)) return;
    if (editor.clickedLine < 0 || editor.clickedLine >= events.LineCount()) return;
    if (editor.clickedEvent < 0 || editor.clickedEvent >= static_cast<std::int32_t>(macro::kMacroEventSlots)) return;
    std::string text = events.LineText(editor.clickedLine);
    if (const auto unit = text.find("ms"); unit != std::string::npos) text.resize(unit);
    // A delay is 16 bits wide: a typed value outside is held at the nearest end.
    const long value = std::clamp<long>(macro::ParseLeadingInteger(text), 0, 65535);
    {
        std::lock_guard lock(context.configLock);
        UserRecord(context, editor.menuMacro).delays[static_cast<std::size_t>(editor.clickedEvent)] =
            static_cast<std::uint16_t>(value);
    }
    RefreshEventList(context, editor.menuMacro);
}

bool FindEventMenuCommand(int commandId, EventMenuCommand& command) {
    using Kind = EventMenuCommand::Kind;
    using macro::ActionPress;
    using macro::ActionRelease;
    using platform::menu_command::InsertIds;
    struct Button {
        platform::menu_command::ButtonInsertIds InsertIds::*ids;
        std::uint8_t code;
    };
    static constexpr Button kButtons[] = {{&InsertIds::left, macro::MouseLeftCode},
                                          {&InsertIds::right, macro::MouseRightCode},
                                          {&InsertIds::middle, macro::MouseMiddleCode}};
    for (const platform::menu_command::EventMenuIds& ids :
         {platform::menu_command::kEventMenuEn, platform::menu_command::kEventMenuCn}) {
        for (const InsertPlace place : {InsertPlace::Before, InsertPlace::After}) {
            const InsertIds& insert = place == InsertPlace::Before ? ids.before : ids.after;
            for (const Button& button : kButtons) {
                const platform::menu_command::ButtonInsertIds pair = insert.*button.ids;
                if (commandId == pair.down || commandId == pair.up) {
                    command = {Kind::Insert, place, button.code, commandId == pair.down ? ActionPress : ActionRelease};
                    return true;
                }
            }
        }
        if (commandId == ids.modifyDelay || commandId == ids.remove) {
            command = {commandId == ids.remove ? Kind::Delete : Kind::ModifyDelay};
            return true;
        }
    }
    return false;
}

void RunEventMenuCommand(const EditorContext& context, platform::MainWindow& window, const EventMenuCommand& command) {
    switch (command.kind) {
        case EventMenuCommand::Kind::Insert:
            InsertEventCommand(context, window, command.place, command.code, command.action);
            break;
        case EventMenuCommand::Kind::ModifyDelay: ModifyDelay(context); break;
        case EventMenuCommand::Kind::Delete: DeleteMacroEvent(context); break;
    }
}

void RightClickEventList(const EditorContext& context, platform::MainWindow& window, platform::Menu* eventMenu) {
    EditorState& editor = context.editor;
    platform::ListBoxControl& events = context.controls.EventList();
    const Rect rect = events.ScreenClientRect();
    const int top = events.TopLine();
    const Point pt = window.CursorScreenPos();
    const int h = events.LineHeight();
    const int line = h == 0 ? 0 : (top * h - rect.top + pt.y) / h;
    editor.clickedLine = line;
    events.SelectLine(line);
    editor.menuLineCount = events.LineCount();
    if (eventMenu != nullptr && rect.Contains(pt.x, pt.y) &&
        (line < editor.menuLineCount || editor.menuLineCount == 0)) {
        window.ShowContextMenu(*eventMenu, pt);
    }
    editor.clickedEvent = events.SelectedLine() / 2;
    editor.menuMacro = std::min(context.controls.MacroList().SelectedLine(), static_cast<int>(kUserMacroSlots) - 1);
}

namespace {
platform::FileDialogSpec MacroFileDialog(platform::FileDialogMode mode, const std::string& programDir) {
    return platform::ExchangeDialogSpec(mode, "All Files(*.dat)|*.dat||", "dat", programDir);
}
}  // namespace

void ImportMacros(const EditorContext& context, platform::MainWindow& window, platform::ProfileFiles& profiles,
                  const std::string& programDir) {
    const auto path = window.ChooseFile(MacroFileDialog(platform::FileDialogMode::Open, programDir));
    if (!path) return;
    macro::LoadUserMacros(context.macros, context.configLock, profiles, window, *path);
    RefreshMacroList(context);
    window.Invalidate();
}

void ExportMacros(const EditorContext& context, platform::MainWindow& window, platform::ProfileFiles& profiles,
                  const std::string& programDir) {
    const auto path = window.ChooseFile(MacroFileDialog(platform::FileDialogMode::Save, programDir));
    if (path) macro::SaveUserMacros(context.macros, context.configLock, profiles, *path);
}

}  // namespace vx::ui
