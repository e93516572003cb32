#pragma once
// The macro editor's controls for logic tests: plain lists of lines and
// texts. Like the real ones, they do nothing and read empty while their
// windows do not exist (before Create, after Destroy).
#include <string>
#include <vector>

#include "platform/controls.h"

namespace vx::platform::testing {

class FakeListBox : public ListBoxControl {
public:
    explicit FakeListBox(const bool& exists) : exists_(exists) {}

    std::vector<std::string> lines;
    int selected = -1;
    bool focused = false;
    int redrawOffCount = 0;
    int topLine = 0;
    int lineHeight = 16;
    Rect screenRect{500, 300, 700, 460};
    std::vector<int> charactersSent;

    int LineCount() override { return exists_ ? static_cast<int>(lines.size()) : 0; }
    std::string LineText(int line) override { return Valid(line) ? lines[static_cast<std::size_t>(line)] : ""; }
    void AddLine(const std::string& text) override {
        if (exists_) lines.push_back(text);
    }
    void DeleteLine(int line) override {
        if (!Valid(line)) return;
        lines.erase(lines.begin() + line);
        // As a list box does: the selection goes with a deleted line.
        if (selected == line) selected = -1;
        else if (selected > line) --selected;
    }
    int SelectedLine() override { return exists_ ? selected : -1; }
    void SelectLine(int line) override {
        if (exists_) selected = Valid(line) ? line : -1;
    }
    void SetRedraw(bool on) override {
        if (exists_ && !on) ++redrawOffCount;
    }
    void Focus() override {
        if (exists_) focused = true;
    }
    int TopLine() override { return exists_ ? topLine : 0; }
    int LineHeight() override { return exists_ ? lineHeight : 0; }
    Rect ScreenClientRect() override { return exists_ ? screenRect : Rect{}; }
    void SendCharacter(int code) override {
        if (exists_) charactersSent.push_back(code);
    }

private:
    bool Valid(int line) const { return exists_ && line >= 0 && line < static_cast<int>(lines.size()); }
    const bool& exists_;
};

class FakeEdit : public EditControl {
public:
    explicit FakeEdit(const bool& exists) : exists_(exists) {}

    std::string text;
    bool enabled = true;
    bool focused = false;

    std::string Text() override { return exists_ ? text : ""; }
    void SetText(const std::string& value) override {
        if (exists_) text = value;
    }
    void Enable(bool on) override {
        if (exists_) enabled = on;
    }
    void Focus() override {
        if (exists_) focused = true;
    }

private:
    const bool& exists_;
};

class FakeEditorControls : public MacroEditorControls {
public:
    FakeEdit repeatCount{exists_};
    FakeEdit name{exists_};
    FakeListBox macroList{exists_};
    FakeListBox eventList{exists_};
    int createCount = 0;
    MacroEditorRects lastRects;

    EditControl& RepeatCountEdit() override { return repeatCount; }
    EditControl& MacroNameEdit() override { return name; }
    ListBoxControl& MacroList() override { return macroList; }
    ListBoxControl& EventList() override { return eventList; }
    void Create(const MacroEditorRects& rects) override {
        exists_ = true;
        ++createCount;
        lastRects = rects;
    }
    // New windows start empty, as real ones do.
    void Destroy() override {
        exists_ = false;
        for (FakeEdit* edit : {&repeatCount, &name}) {
            edit->text.clear();
            edit->enabled = true;
        }
        macroList.lines.clear();
        macroList.selected = -1;
        eventList.lines.clear();
        eventList.selected = -1;
    }
    bool Exist() override { return exists_; }

private:
    bool exists_ = false;
};

}  // namespace vx::platform::testing
