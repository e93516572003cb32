#include "platform/qt/x11_key_repeat.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace vx::platform {

bool AskForRepeatAsPressesOnly() {
    auto* x11 = qApp != nullptr ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return false;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display, True, &supported);
    return supported == True;
}

}  // namespace vx::platform
