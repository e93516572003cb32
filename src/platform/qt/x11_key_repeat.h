#pragma once
// The keyboard's own repeat as the program hears it under X11.

namespace vx::platform {

// X sends a held key's repeat as release and press pairs, which look like a
// key let go and pressed again. Asks the X server for presses only, the way
// Windows repeats a held key; false where that cannot be asked (no X11
// connection, or no XKB).
bool AskForRepeatAsPressesOnly();

}  // namespace vx::platform
