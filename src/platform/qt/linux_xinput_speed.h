#pragma once
// The pointer speed of an X11 session without a desktop of its own: the
// libinput driver's "libinput Accel Speed" (-1..1) of every pointer, read
// and written through XInput 2 on the session's display. Pointers of other
// drivers (Xvfb's, evdev's) have no such property and are left alone.
#include <optional>

namespace vx::platform {

// How many pointers have the property; 0 also without a display.
int XInputSpeedPointerCount();
// The speed of the first such pointer.
std::optional<double> ReadXInputSpeed();
// Sets every such pointer; true when all of them took the value.
bool WriteXInputSpeed(double speed);

}  // namespace vx::platform
