#include "platform/qt/x11_hotkeys.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

#include <X11/Xlib.h>
// After Xlib: its macros clash with Qt's names.
#undef KeyPress
#undef None

namespace vx::platform {
namespace {

// Caps Lock and Num Lock change nothing: each combination is grabbed with
// and without them.
constexpr std::uint16_t kLockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

struct X11Connection {
    Display* display = nullptr;
    xcb_connection_t* connection = nullptr;
};

X11Connection Connection() {
    auto* x11 = qApp != nullptr ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr) return {};
    return {x11->display(), x11->connection()};
}

// The X key symbol of a key number (0..9, A..Z, F1..F12).
unsigned long KeySymbolOf(Key key) {
    const auto code = static_cast<unsigned>(key);
    if (code >= 'A' && code <= 'Z') return code - 'A' + 'a';
    if (code >= 0x70 && code <= 0x7B) return 0xFFBE + (code - 0x70);  // F1..F12
    return code;
}

std::uint16_t ModifiersOf(const Hotkey& hotkey) {
    std::uint16_t modifiers = 0;
    if (hotkey.control) modifiers |= XCB_MOD_MASK_CONTROL;
    if (hotkey.alt) modifiers |= XCB_MOD_MASK_1;
    if (hotkey.shift) modifiers |= XCB_MOD_MASK_SHIFT;
    if (hotkey.super) modifiers |= XCB_MOD_MASK_4;
    return modifiers;
}

}  // namespace

X11Hotkeys::X11Hotkeys(std::function<void(int id)> pressed) : pressed_(std::move(pressed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Hotkeys::~X11Hotkeys() {
    UngrabAll();
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11Hotkeys::Grab(int id, const Hotkey& hotkey) {
    const X11Connection x11 = Connection();
    if (x11.connection == nullptr || x11.display == nullptr) return false;
    const KeyCode keycode = XKeysymToKeycode(x11.display, KeySymbolOf(hotkey.key));
    if (keycode == 0) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11.connection)).data->root;
    const std::uint16_t modifiers = ModifiersOf(hotkey);
    bool refused = false;
    std::vector<std::uint16_t> taken;
    for (const std::uint16_t lock : kLockMasks) {
        xcb_generic_error_t* error =
            xcb_request_check(x11.connection, xcb_grab_key_checked(x11.connection, 1, root, modifiers | lock, keycode,
                                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        if (error != nullptr) {
            refused = true;
            std::free(error);
            break;
        }
        taken.push_back(lock);
    }
    if (refused) {
        // Another client holds it: what was taken of it goes back.
        for (const std::uint16_t lock : taken) xcb_ungrab_key(x11.connection, keycode, root, modifiers | lock);
        xcb_flush(x11.connection);
        return false;
    }
    grabbed_.push_back(Grabbed{id, keycode, modifiers});
    return true;
}

void X11Hotkeys::UngrabAll() {
    const X11Connection x11 = Connection();
    if (x11.connection != nullptr) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11.connection)).data->root;
        for (const Grabbed& grabbed : grabbed_) {
            for (const std::uint16_t lock : kLockMasks) {
                xcb_ungrab_key(x11.connection, grabbed.keycode, root, grabbed.modifiers | lock);
            }
        }
        xcb_flush(x11.connection);
    }
    grabbed_.clear();
}

bool X11Hotkeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t" || grabbed_.empty()) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    const std::uint16_t modifiers = press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    for (const Grabbed& grabbed : grabbed_) {
        if (grabbed.keycode == press->detail && grabbed.modifiers == modifiers) {
            pressed_(grabbed.id);
            return true;
        }
    }
    return false;
}

}  // namespace vx::platform
