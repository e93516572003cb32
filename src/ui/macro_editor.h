#pragma once
// The macro editor of the advanced page: the macro list, the event list of
// the selected macro, the name and repeat-count fields, and the event
// list's context-menu commands. Interface thread only; every change of a
// record or of the macro count is made under ConfigLock, since the player
// copies records under it.
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "macro/macro_store.h"
#include "macro/record_edits.h"
#include "platform/controls.h"
#include "platform/input_events.h"
#include "platform/menu.h"
#include "platform/profile_files.h"
#include "platform/window.h"

namespace vx::ui {

inline constexpr const char* kOverflowText = "Overflow!!!";

// Key recording (see macro_recorder.h).
struct MacroRecorder {
    std::int32_t recordingMacro = 0;
    std::int32_t recordedCount = 0;
    std::array<std::uint8_t, 9> heldKeys{};
    std::int32_t heldCount = 0;
    // The last key event recording looked at: the same again is the
    // keyboard's repeat of a held key.
    std::optional<platform::KeyEvent> lastKey;
    std::int32_t lastEventTime = 0;
    bool hookInstalled = false;
};

struct EditorState {
    bool recording = false;
    // Event-list line under the last right-click; the line selected after a
    // rebuild when no recording runs.
    std::int32_t clickedLine = 0;
    // What the context menu's commands act on, taken when it closed.
    std::int32_t clickedEvent = 0;
    std::int32_t menuMacro = 0;
    std::int32_t menuLineCount = 0;
    // Press and release lines in the event list (shown on the page).
    std::int32_t pressCount = 0;
    std::int32_t releaseCount = 0;
    MacroRecorder recorder;
};

struct EditorContext {
    macro::MacroStore& macros;
    std::mutex& configLock;
    EditorState& editor;
    platform::MacroEditorControls& controls;
};

void RefreshMacroList(const EditorContext& context);
void SelectMacroFromList(const EditorContext& context);
void RefreshEventList(const EditorContext& context, std::int32_t macro);
// Appends the lines of event k of `record` (its delay line first when k > 0).
void AddEventLine(const EditorContext& context, const macro::MacroRecord& record, std::int32_t k);

void AddMacro(const EditorContext& context);
void DeleteMacro(const EditorContext& context);
// Saves every user macro into `userMacroFile`.
void CommitRepeatCount(const EditorContext& context, platform::ProfileFiles& profiles);
void ToggleRepeat(const EditorContext& context, platform::MainWindow& window);

// The context menu's commands.
enum class InsertPlace { Before, After };
void InsertEventCommand(const EditorContext& context, platform::MainWindow& window, InsertPlace place,
                        std::uint8_t code, std::uint8_t action);
// False (nothing changed) when the record is full: "Overflow!!!" is shown.
bool InsertMacroEvent(const EditorContext& context, platform::MainWindow& window, std::int32_t macro,
                      std::int32_t position, std::uint8_t code, std::uint8_t action);
void DeleteMacroEvent(const EditorContext& context);
void ModifyDelay(const EditorContext& context);
// The event list's in-place edit ended: the edited line's number becomes
// the delay (cut to 0..65535).
void ApplyEditedDelay(const EditorContext& context);

// A command id of the event list's menu (either language), or false.
struct EventMenuCommand {
    enum class Kind { Insert, ModifyDelay, Delete } kind = Kind::Delete;
    InsertPlace place = InsertPlace::Before;
    std::uint8_t code = 0;
    std::uint8_t action = 0;
};
bool FindEventMenuCommand(int commandId, EventMenuCommand& command);
void RunEventMenuCommand(const EditorContext& context, platform::MainWindow& window, const EventMenuCommand& command);

// The right-click on the page: picks the line under the pointer, offers
// `eventMenu` there when it lies on a line (or the list is empty), and
// takes the targets of the commands.
void RightClickEventList(const EditorContext& context, platform::MainWindow& window, platform::Menu* eventMenu);

void ImportMacros(const EditorContext& context, platform::MainWindow& window, platform::ProfileFiles& profiles,
                  const std::string& programDir);
void ExportMacros(const EditorContext& context, platform::MainWindow& window, platform::ProfileFiles& profiles,
                  const std::string& programDir);

}  // namespace vx::ui
