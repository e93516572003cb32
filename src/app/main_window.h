#pragma once
// CZUV_GMouseDlg: the main window's reactions to the system. Painting and
// the mouse on the skin are handed to the interface subsystem.
#include "app/app_state.h"
#include "app/subsystems.h"
#include "platform/platform.h"

namespace vx::app {

// What the skinned interface does with the window's paint and mouse
// messages and with commands the application core does not own.
class InterfaceEvents {
public:
    virtual ~InterfaceEvents() = default;
    virtual void OnPaint() {}
    virtual void OnMouseMove(Point) {}
    virtual void OnLeftButtonDown(Point) {}
    virtual void OnLeftButtonUp(Point) {}
    virtual void OnCommand(int) {}
    virtual bool OnFilterKey(const platform::KeyEvent&) { return false; }
    virtual bool OnFilterRightButtonUp() { return false; }
    virtual void OnControlNotification(int, int) {}
    virtual void OnEventListEditEnded() {}
};

class AutoSwitchFeature;

class CZUV_GMouseDlg : public platform::WindowEvents {
public:
    CZUV_GMouseDlg(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                   InterfaceEvents& interfaceEvents);

    // The per-program profiles: started after start-up, their dialog
    // opened from the tray menu.
    void AttachAutoSwitch(AutoSwitchFeature& autoSwitch) { autoSwitch_ = &autoSwitch; }

    void OnInitDialog() override;
    void OnCloseRequest() override;
    bool OnSystemCommand(platform::SystemCommand command) override;
    void OnCommand(int commandId) override;
    long OnTrayCallback(int iconId, platform::PointerEvent event) override;
    void OnDeviceRemoved(const platform::DeviceNotification& notification) override;
    void OnDeviceArrived(const platform::DeviceNotification& notification) override;
    void OnPowerEvent(platform::PowerEvent event) override;
    void OnHotkey(int id) override;
    void OnMouseMove(Point p) override { interface_.OnMouseMove(p); }
    void OnLeftButtonDown(Point p) override { interface_.OnLeftButtonDown(p); }
    void OnLeftButtonUp(Point p) override { interface_.OnLeftButtonUp(p); }
    void OnPaint() override { interface_.OnPaint(); }
    void OnRepaintRequest() override;
    bool OnFilterKey(const platform::KeyEvent& event) override { return interface_.OnFilterKey(event); }
    bool OnFilterRightButtonUp() override { return interface_.OnFilterRightButtonUp(); }
    void OnControlNotification(int controlId, int code) override {
        interface_.OnControlNotification(controlId, code);
    }
    void OnEventListEditEnded() override { interface_.OnEventListEditEnded(); }
    // White on black in the language's font.
    platform::ControlColors OnControlColor() override;
    platform::MenuItemSize OnMeasureMenuItem(std::uintptr_t itemData) override;
    void OnDrawMenuItem(std::uintptr_t itemData, const Rect& rect, bool selected,
                        platform::MenuItemPainter& painter) override;

private:
    AppState& state_;
    platform::Platform& platform_;
    Subsystems& subsystems_;
    InterfaceEvents& interface_;
    AutoSwitchFeature* autoSwitch_ = nullptr;
};

}  // namespace vx::app
