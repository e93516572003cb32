#pragma once
// Recording a user macro from the keyboard. While recording, a system-wide
// hook swallows every keystroke and hands it to the main window as a key
// message; each passes RecordKeyMessage, which turns it into at most one
// event of the recorded macro and measures the pause before it.
#include <cstdint>

#include "macro/macro_editor.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace vx::macro {

inline constexpr std::int32_t kMaxRecordedEvents = 216;
inline constexpr std::int32_t kMaxRecordedPresses = 108;

void StartRecording(const EditorContext& context, platform::MainWindow& window);
void StopRecording(const EditorContext& context, platform::MainWindow& window);

enum class KeyMessageOutcome {
    // Recorded, or dropped as a repeat or past the length limit: the
    // message goes on to the main window's own key filtering.
    Finished,
    // Not recorded (press limit, a release of a key not held, a tenth held
    // key): the dialog's default handling takes it.
    HandedOn,
};
KeyMessageOutcome RecordKeyMessage(const EditorContext& context, platform::Clock& clock, std::uint32_t message,
                                   std::uint32_t virtualKey);

// Milliseconds since the previous call by the UTC time of day (across
// midnight too), at most 65535.
std::int32_t ElapsedSinceLastEvent(MacroRecorder& recorder, platform::Clock& clock);

// The main window's filtering of each message it takes from its queue
// before the dialog handles it: recording, the event list's right-click and
// swallowing Enter, Escape and F10. True when the message is consumed.
struct PreTranslateInputs {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    bool advancedPageShown = false;
    platform::Menu* eventMenu = nullptr;
};
bool PreTranslateMessage(const EditorContext& context, platform::MainWindow& window, platform::Clock& clock,
                         const PreTranslateInputs& inputs);

}  // namespace vx::macro
