#pragma once
// The main window for logic tests: records repaints, tray and lifetime
// calls, and message boxes; creates nothing.
#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace vx::platform::testing {

class FakeMainWindow : public MainWindow {
public:
    std::atomic<int> invalidateCount{0};
    std::atomic<int> postRepaintCount{0};
    std::atomic<int> addTrayCount{0};
    std::atomic<int> removeTrayCount{0};
    std::atomic<int> trayMenuCount{0};
    int lastTrayMenu = 0;
    std::atomic<bool> destroyed{false};

    void MessageBox(const std::string& text, const std::string& caption) override {
        std::lock_guard lock(mutex_);
        messageBoxes_.emplace_back(text, caption);
    }
    std::string LoadResourceString(int /*id*/) override { return {}; }
    void AppendSystemMenuItem(const std::string& /*text*/, int /*commandId*/) override {}
    void SetLargeIcon(int /*iconResourceId*/) override {}
    void SetTitle(const std::string& title) override {
        std::lock_guard lock(mutex_);
        title_ = title;
    }
    FontHandle CreateFont(const FontSpec& /*fontSpec*/) override { return ++fonts_; }
    void SetShape(const Region& /*region*/, int /*width*/, int /*height*/) override {}
    void Invalidate() override { ++invalidateCount; }
    void PostRepaint() override { ++postRepaintCount; }
    void Show(ShowCommand /*command*/) override {}
    void ShowAboutBox() override {}
    void ShowTrayMenu(int menuResourceId) override {
        ++trayMenuCount;
        lastTrayMenu = menuResourceId;
    }
    void AddTrayIcon() override { ++addTrayCount; }
    void RemoveTrayIcon() override { ++removeTrayCount; }
    void Destroy() override { destroyed = true; }
    bool Exists() override { return !destroyed; }
    void RunModal(WindowEvents& events) override { events.OnInitDialog(); }

    // Window moves, posted system commands and file dialogs (interface
    // thread only). A dialog answers with chosenFile: nothing is a cancel.
    std::vector<Point> drags;
    std::vector<std::pair<int, Point>> systemCommands;
    std::vector<FileDialogSpec> fileDialogs;
    std::optional<std::string> chosenFile;
    void BeginDrag(Point clientPoint) override { drags.push_back(clientPoint); }
    void PostSystemCommand(int command, Point point) override { systemCommands.emplace_back(command, point); }
    std::optional<std::string> ChooseFile(const FileDialogSpec& spec) override {
        fileDialogs.push_back(spec);
        return chosenFile;
    }

    std::vector<std::pair<std::string, std::string>> MessageBoxes() const {
        std::lock_guard lock(mutex_);
        return messageBoxes_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<std::string, std::string>> messageBoxes_;
    std::string title_;
    FontHandle fonts_ = 0;
};

}  // namespace vx::platform::testing
