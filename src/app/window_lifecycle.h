#pragma once
// The window's life in the notification area and the one exit sequence.
#include <optional>

#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

inline constexpr int kTrayIconId = 153;

// Removes the tray icon, tells the mouse the driver ends, puts the pointer
// speed back to 10 and destroys the window, which ends the program.
void ShutdownDriver(AppState& state, platform::Platform& platform, Subsystems& subsystems);

void HideToTray(platform::MainWindow& window);
void ShowMainWindow(platform::MainWindow& window);

// A pointer event on the tray icon; the answer goes back to the system. A
// double click shows the window, a right release `trayMenu` (the menu of
// the interface language).
long HandleTrayCallback(platform::Menu* trayMenu, platform::MainWindow& window, int iconId,
                        platform::PointerEvent event);

// Whether the program starts with the session, where it offers that
// (nothing elsewhere).
std::optional<bool> StartsWithSession(platform::Platform& platform);
// Turns the start with the session over; a failure goes on record.
void ToggleSessionStart(platform::Platform& platform);

}  // namespace vx::app
