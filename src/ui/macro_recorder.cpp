#include "ui/macro_recorder.h"

#include <algorithm>

#include "macro/key_codes.h"

namespace vx::ui {
namespace {

using macro::ActionPress;
using macro::ActionRelease;
using macro::kUserMacroSlots;
using macro::MacroRecord;

using platform::Key;
using platform::KeyAction;
using platform::KeyEvent;

constexpr std::uint16_t kPlaceholderDelayMs = 30;
constexpr std::int32_t kDayMs = 86'400'000;

bool IsKeyDownOrUp(const KeyEvent& event) { return event.action != KeyAction::Character; }

// Removes `key` from the held keys; false when it is not held.
bool ReleaseHeldKey(MacroRecorder& recorder, std::uint8_t key) {
    const auto begin = recorder.heldKeys.begin();
    const auto end = begin + std::clamp<std::int32_t>(recorder.heldCount, 0, 9);
    const auto held = std::find(begin, end, key);
    if (held == end) return false;
    std::copy(held + 1, end, held);
    *(end - 1) = 0;
    --recorder.heldCount;
    return true;
}

}  // namespace

void StartRecording(const EditorContext& context, platform::MainWindow& window) {
    context.controls.EventList().Focus();
    platform::ListBoxControl& macroList = context.controls.MacroList();
    if (macroList.LineCount() == 0) return;
    EditorState& editor = context.editor;
    MacroRecorder& recorder = editor.recorder;
    editor.recording = true;
    const std::int32_t m = std::clamp(macroList.SelectedLine(), 0, static_cast<int>(kUserMacroSlots) - 1);
    recorder.heldKeys.fill(0);
    recorder.heldCount = 0;
    if (!recorder.hookInstalled) recorder.hookInstalled = window.InstallRecordingHook();
    recorder.recordingMacro = m;
    editor.pressCount = 0;
    editor.releaseCount = 0;
    recorder.recordedCount = 0;
    {
        std::lock_guard lock(context.configLock);
        MacroRecord& record = context.macros.user[static_cast<std::size_t>(m)];
        record = MacroRecord{};
        macro::StoreName(record, macroList.LineText(m));
        context.macros.selectedMacro = m;
        record.repeatEnabled = 0;
        record.repeatCount = 1;
        record.eventCount = 0;
    }
    context.controls.RepeatCountEdit().SetText("1");
    context.controls.RepeatCountEdit().Enable(false);
    platform::ListBoxControl& events = context.controls.EventList();
    for (int line = events.LineCount() - 1; line >= 0; --line) events.DeleteLine(line);
}

void StopRecording(const EditorContext& context, platform::MainWindow& window) {
    context.controls.EventList().Focus();
    EditorState& editor = context.editor;
    MacroRecorder& recorder = editor.recorder;
    // The recorded events are kept only while their macro is still listed;
    // the recording itself always ends, so the keyboard is never left
    // captured without a Stop to reach.
    if (context.controls.MacroList().LineCount() > 0 && editor.recording) {
        std::lock_guard lock(context.configLock);
        context.macros.user[static_cast<std::size_t>(recorder.recordingMacro)].eventCount =
            static_cast<std::uint8_t>(recorder.recordedCount & 0xFF);
    }
    editor.recording = false;
    if (recorder.hookInstalled) {
        window.RemoveRecordingHook();
        recorder.hookInstalled = false;
    }
}

void EndRecordingIfRunning(const EditorContext& context, platform::MainWindow& window) {
    if (context.editor.recording) StopRecording(context, window);
}

std::int32_t ElapsedSinceLastEvent(MacroRecorder& recorder, platform::Clock& clock) {
    const std::int32_t now = clock.UtcTimeOfDayMs();
    std::int32_t elapsed = now - recorder.lastEventTime;
    recorder.lastEventTime = now;
    if (elapsed < 0) elapsed += kDayMs;
    return std::min(elapsed, 65535);
}

KeyEventOutcome RecordKeyEvent(const EditorContext& context, platform::Clock& clock, const KeyEvent& event) {
    EditorState& editor = context.editor;
    MacroRecorder& recorder = editor.recorder;
    // The keyboard's own repeat comes as repeated presses on one system and
    // as release and press pairs on another: neither is what the user did.
    if (event.autoRepeat) return KeyEventOutcome::Finished;
    const bool repeated = recorder.lastKey == event;
    if (!repeated && recorder.recordedCount < kMaxRecordedEvents) {
        const bool down = event.action == KeyAction::Down;
        if (down && editor.pressCount >= kMaxRecordedPresses) return KeyEventOutcome::HandedOn;
        const auto key = static_cast<std::uint8_t>(event.code & 0xFF);
        const std::int32_t n = recorder.recordedCount;
        const auto slot = static_cast<std::size_t>(n);
        MacroRecord& record = context.macros.user[static_cast<std::size_t>(recorder.recordingMacro)];
        {
            // The key's code goes into the next slot before the held keys
            // decide whether the event counts; a slot past the count is
            // saved as it is, so the file shows the last key even when it
            // was not recorded.
            std::lock_guard lock(context.configLock);
            record.events[slot].code = macro::VkToUsage(key);
        }
        std::uint8_t action = ActionPress;
        if (down) {
            // Nine held keys at most: a tenth press is not recorded, and so
            // its release will not be either.
            if (recorder.heldCount >= static_cast<std::int32_t>(recorder.heldKeys.size()))
                return KeyEventOutcome::HandedOn;
            recorder.heldKeys[static_cast<std::size_t>(recorder.heldCount++)] = key;
        } else {
            if (!ReleaseHeldKey(recorder, key)) return KeyEventOutcome::HandedOn;
            action = ActionRelease;
        }
        const std::int32_t elapsed = ElapsedSinceLastEvent(recorder, clock);
        {
            std::lock_guard lock(context.configLock);
            record.events[slot].action = action;
            if (n > 0) {
                record.delays[slot - 1] = static_cast<std::uint16_t>(elapsed);
                record.delays[slot] = kPlaceholderDelayMs;
            }
        }
        AddEventLine(context, record, n);
        recorder.recordedCount = n + 1;
    }
    recorder.lastKey = event;
    return KeyEventOutcome::Finished;
}

bool FilterKey(const EditorContext& context, platform::Clock& clock, const KeyEvent& event) {
    if (context.editor.recording && IsKeyDownOrUp(event)) {
        if (RecordKeyEvent(context, clock, event) == KeyEventOutcome::HandedOn) return false;
    }
    // Enter and Escape would press the window's default buttons and close it.
    const Key key = event.AsKey();
    if (event.action == KeyAction::Down && !event.menuKey && (key == Key::Escape || key == Key::Return)) return true;
    // F10 would open the window menu. Only the key: the character 'y',
    // which shares its number, is typed into the fields as any other.
    return IsKeyDownOrUp(event) && key == Key::F10;
}

void FilterRightButtonUp(const EditorContext& context, platform::MainWindow& window, bool advancedPageShown,
                         platform::Menu* eventMenu) {
    if (!context.editor.recording && advancedPageShown) RightClickEventList(context, window, eventMenu);
}

}  // namespace vx::ui
