#pragma once
// Recording a user macro from the keyboard. While recording, a system-wide
// hook swallows every keystroke and hands it to the main window as a key
// event; each passes RecordKeyEvent, which turns it into at most one event
// of the recorded macro and measures the pause before it.
#include <cstdint>

#include "platform/clock.h"
#include "platform/window.h"
#include "ui/macro_editor.h"

namespace vx::ui {

inline constexpr std::int32_t kMaxRecordedEvents = 216;
inline constexpr std::int32_t kMaxRecordedPresses = 108;

void StartRecording(const EditorContext& context, platform::MainWindow& window);
void StopRecording(const EditorContext& context, platform::MainWindow& window);
// Before anything that replaces the macro list or opens a dialog to type
// into: the keys would still be captured, with no Stop to reach.
void EndRecordingIfRunning(const EditorContext& context, platform::MainWindow& window);

enum class KeyEventOutcome {
    // Recorded, or dropped as a repeat or past the length limit: the
    // event goes on to the main window's own key filtering.
    Finished,
    // Not recorded (press limit, a release of a key not held, a tenth held
    // key): the window's default handling takes it.
    HandedOn,
};
// Key-downs and key-ups only; the keyboard's own repeat of a held key is
// never recorded.
KeyEventOutcome RecordKeyEvent(const EditorContext& context, platform::Clock& clock, const platform::KeyEvent& event);

// Milliseconds since the previous call by the UTC time of day (across
// midnight too), at most 65535.
std::int32_t ElapsedSinceLastEvent(MacroRecorder& recorder, platform::Clock& clock);

// The main window's look at each key event before its controls or its
// own key handling see it: recording, and swallowing Enter, Escape and F10.
// True when consumed.
bool FilterKey(const EditorContext& context, platform::Clock& clock, const platform::KeyEvent& event);

// A right-button release anywhere in the window while no recording runs
// and the advanced page is shown opens the event list's menu under the
// pointer. Never consumes the release.
void FilterRightButtonUp(const EditorContext& context, platform::MainWindow& window, bool advancedPageShown,
                         platform::Menu* eventMenu);

}  // namespace vx::ui
