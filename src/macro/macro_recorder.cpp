#include "macro/macro_recorder.h"

#include <algorithm>

#include "macro/key_codes.h"

namespace vx::macro {
namespace {

using platform::messages::kKeyDown;
using platform::messages::kKeyUp;
using platform::messages::kRightButtonUp;
using platform::messages::kSysKeyDown;
using platform::messages::kSysKeyUp;

constexpr std::uint16_t kPlaceholderDelayMs = 30;
constexpr std::int32_t kDayMs = 86'400'000;
constexpr std::uintptr_t kVkReturn = 0x0D;
constexpr std::uintptr_t kVkEscape = 0x1B;
constexpr std::uintptr_t kVkF10 = 0x79;

bool IsKeyDown(std::uint32_t message) { return message == kKeyDown || message == kSysKeyDown; }
bool IsKeyMessage(std::uint32_t message) { return IsKeyDown(message) || message == kKeyUp || message == kSysKeyUp; }

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
        StoreName(record, macroList.LineText(m));
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
    if (context.controls.MacroList().LineCount() == 0) return;
    EditorState& editor = context.editor;
    MacroRecorder& recorder = editor.recorder;
    editor.recording = false;
    {
        std::lock_guard lock(context.configLock);
        context.macros.user[static_cast<std::size_t>(recorder.recordingMacro)].eventCount =
            static_cast<std::uint8_t>(recorder.recordedCount & 0xFF);
    }
    if (recorder.hookInstalled) {
        window.RemoveRecordingHook();
        recorder.hookInstalled = false;
    }
}

std::int32_t ElapsedSinceLastEvent(MacroRecorder& recorder, platform::Clock& clock) {
    const std::int32_t now = clock.UtcTimeOfDayMs();
    std::int32_t elapsed = now - recorder.lastEventTime;
    recorder.lastEventTime = now;
    if (elapsed < 0) elapsed += kDayMs;
    return std::min(elapsed, 65535);
}

KeyMessageOutcome RecordKeyMessage(const EditorContext& context, platform::Clock& clock, std::uint32_t message,
                                   std::uint32_t virtualKey) {
    EditorState& editor = context.editor;
    MacroRecorder& recorder = editor.recorder;
    const bool repeated = message == recorder.lastKeyMessage && virtualKey == recorder.lastKeyCode;
    if (!repeated && recorder.recordedCount < kMaxRecordedEvents) {
        const bool down = IsKeyDown(message);
        if (down && editor.pressCount >= kMaxRecordedPresses) return KeyMessageOutcome::HandedOn;
        const auto key = static_cast<std::uint8_t>(virtualKey & 0xFF);
        const std::int32_t n = recorder.recordedCount;
        const auto slot = static_cast<std::size_t>(n);
        MacroRecord& record = context.macros.user[static_cast<std::size_t>(recorder.recordingMacro)];
        {
            // The key's code goes into the next slot before the held keys
            // decide whether the event counts; a slot past the count is
            // saved as it is, so the file shows the last key even when it
            // was not recorded.
            std::lock_guard lock(context.configLock);
            record.events[slot].code = VkToUsage(key);
        }
        std::uint8_t action = ActionPress;
        if (down) {
            // Nine held keys at most: a tenth press is not recorded, and so
            // its release will not be either.
            if (recorder.heldCount >= static_cast<std::int32_t>(recorder.heldKeys.size()))
                return KeyMessageOutcome::HandedOn;
            recorder.heldKeys[static_cast<std::size_t>(recorder.heldCount++)] = key;
        } else {
            if (!ReleaseHeldKey(recorder, key)) return KeyMessageOutcome::HandedOn;
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
    recorder.lastKeyMessage = message;
    recorder.lastKeyCode = virtualKey;
    return KeyMessageOutcome::Finished;
}

bool PreTranslateMessage(const EditorContext& context, platform::MainWindow& window, platform::Clock& clock,
                         const PreTranslateInputs& inputs) {
    const bool keyMessage = IsKeyMessage(inputs.message);
    if (context.editor.recording && keyMessage) {
        const auto outcome =
            RecordKeyMessage(context, clock, inputs.message, static_cast<std::uint32_t>(inputs.wParam));
        if (outcome == KeyMessageOutcome::HandedOn) return false;
    } else if (!context.editor.recording && inputs.advancedPageShown && inputs.message == kRightButtonUp) {
        RightClickEventList(context, window, inputs.eventMenu);
    }
    if (inputs.message == kKeyDown && (inputs.wParam == kVkEscape || inputs.wParam == kVkReturn)) return true;
    return inputs.wParam == kVkF10;
}

}  // namespace vx::macro
