#pragma once
// Popup windows for logic tests: each records where it was placed, its
// shape, whether it shows, and ends a modal run with the result given.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/popup.h"
#include "platform/testing/call_log.h"

namespace vx::platform::testing {

class FakePopupWindow : public PopupWindow {
public:
    FakePopupWindow(PopupTemplate made, PopupEvents& handler, std::vector<FakePopupWindow*>& alive)
        : kind(made), events(handler), alive_(alive) {
        alive_.push_back(this);
    }
    ~FakePopupWindow() override { alive_.erase(std::find(alive_.begin(), alive_.end(), this)); }

    void Place(const Rect& screenRect) override { placed = screenRect; }
    void SetTitle(const std::string& text) override { title = text; }
    void SetShape(const Region& region) override { shape = region; }
    void Show() override { shown = true; }
    void Hide() override { shown = false; }
    void Invalidate() override { ++invalidations; }
    Rect ScreenRect() override { return placed; }
    void EndModal(int value) override {
        ended = true;
        result = value;
    }

    const PopupTemplate kind;
    PopupEvents& events;
    Rect placed;
    std::string title;
    Region shape;
    bool shown = false;
    int invalidations = 0;
    bool ended = false;
    int result = 0;

private:
    std::vector<FakePopupWindow*>& alive_;
};

}  // namespace vx::platform::testing
