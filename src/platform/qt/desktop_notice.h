#pragma once
// A notice from the desktop (org.freedesktop.Notifications on the session
// bus), which shows it and lets it go on its own.
#include <string>

#include "platform/diagnostics.h"

namespace vx::platform {

// Sent without waiting; when the desktop has no notification service or
// refuses it, one line goes on record (if `diagnostics` is given).
void ShowDesktopNotice(const std::string& title, const std::string& text, Diagnostics* diagnostics);

}  // namespace vx::platform
