#pragma once
// Hotkeys under X11: the combination grabbed on the root window, so it
// reaches the program whichever window has the keyboard. Wayland lets no
// program do this (the desktop's own shortcuts run vx230ctl instead).
#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/input_events.h"

namespace vx::platform {

class X11Hotkeys final : public QAbstractNativeEventFilter {
public:
    // `pressed` runs on the interface thread with the combination's id.
    explicit X11Hotkeys(std::function<void(int id)> pressed);
    ~X11Hotkeys() override;
    X11Hotkeys(const X11Hotkeys&) = delete;
    X11Hotkeys& operator=(const X11Hotkeys&) = delete;

    // False without X11, or when another client holds the combination.
    bool Grab(int id, const Hotkey& hotkey);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void UngrabAll();

    struct Grabbed {
        int id;
        std::uint8_t keycode;
        std::uint16_t modifiers;
    };
    std::function<void(int)> pressed_;
    std::vector<Grabbed> grabbed_;
};

}  // namespace vx::platform
