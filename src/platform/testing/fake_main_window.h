#pragma once
// The main window for logic tests: counts repaints, tray and lifetime
// calls, keeps the message boxes, and creates nothing. Given a log, it also
// puts every call there as one line ("Show:Minimize", "Destroy", ...).
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/testing/call_log.h"
#include "platform/testing/fake_controls.h"
#include "platform/testing/fake_menu.h"
#include "platform/testing/fake_popup.h"
#include "platform/window.h"

namespace vx::platform::testing {

class FakeMainWindow : public MainWindow {
public:
    FakeMainWindow() = default;
    explicit FakeMainWindow(CallLog& log) : log_(&log) {}

    std::atomic<int> invalidateCount{0};
    std::atomic<int> postRepaintCount{0};
    std::atomic<int> addTrayCount{0};
    std::atomic<int> removeTrayCount{0};
    std::atomic<int> trayMenuCount{0};
    std::atomic<bool> destroyed{false};
    // What LoadResourceString answers (interface thread only); an id not
    // here reads as empty.
    std::map<int, std::string> resourceStrings;

    void MessageBox(const std::string& text, const std::string& caption) override {
        {
            std::lock_guard lock(mutex_);
            messageBoxes_.emplace_back(text, caption);
        }
        Log("MessageBox:" + text + "|" + caption);
    }
    std::string LoadResourceString(int id) override {
        const auto found = resourceStrings.find(id);
        return found == resourceStrings.end() ? std::string() : found->second;
    }
    void AppendSystemMenuItem(const std::string& text, SystemCommand command) override {
        Log("AppendSystemMenuItem:" + text + ":" + SystemCommandName(command));
    }
    void SetLargeIcon(int iconResourceId) override { Log("SetLargeIcon:" + std::to_string(iconResourceId)); }
    void SetTitle(const std::string& title) override { Log("SetTitle:" + title); }
    FontHandle CreateFont(const FontSpec& fontSpec) override {
        Log("CreateFont:" + fontSpec.face);
        return ++fonts_;
    }
    void SetShape(const Region& /*region*/, int width, int height) override {
        Log("SetShape:" + std::to_string(width) + "x" + std::to_string(height));
    }
    void Invalidate() override {
        ++invalidateCount;
        Log("Invalidate");
    }
    void PostRepaint() override {
        ++postRepaintCount;
        Log("PostRepaint");
    }
    void Show(ShowCommand command) override {
        static const char* const names[] = {"Show", "Hide", "Minimize", "Restore"};
        Log(std::string("Show:") + names[static_cast<int>(command)]);
    }
    void ShowAboutBox() override { Log("ShowAboutBox"); }
    // Combinations another program holds: registering them is refused.
    std::vector<Hotkey> hotkeysHeldElsewhere;
    bool RegisterHotkey(int id, const Hotkey& hotkey) override {
        Log("RegisterHotkey:" + std::to_string(id));
        for (const Hotkey& held : hotkeysHeldElsewhere) {
            if (held == hotkey) return false;
        }
        return true;
    }
    void ShowNotice(const std::string& text) override {
        {
            std::lock_guard lock(mutex_);
            notices_.push_back(text);
        }
        Log("Notice:" + text);
    }
    std::vector<std::string> Notices() {
        std::lock_guard lock(mutex_);
        return notices_;
    }
    // Menus: LoadMenu answers a copy of menuResources[id] (nothing for an
    // id not there); the shown ones are kept; a context menu runs
    // `contextMenuChoice` as the user's pick.
    std::map<int, FakeMenu> menuResources;
    std::vector<int> loadedMenus;
    std::vector<std::pair<Menu*, Point>> contextMenus;
    std::function<void()> contextMenuChoice;
    Menu* lastTrayMenuShown = nullptr;
    Point cursor{510, 310};
    FakeEditorControls editorControls;
    int hookInstalls = 0;
    int hookRemovals = 0;
    bool hookRefused = false;

    std::unique_ptr<Menu> LoadMenu(int resourceId) override {
        loadedMenus.push_back(resourceId);
        const auto found = menuResources.find(resourceId);
        if (found == menuResources.end()) return nullptr;
        return std::make_unique<FakeMenu>(found->second);
    }
    void ShowTrayMenu(Menu& menu) override {
        ++trayMenuCount;
        lastTrayMenuShown = &menu;
        Log("ShowTrayMenu");
    }
    void ShowContextMenu(Menu& menu, Point screenPoint) override {
        contextMenus.emplace_back(&menu, screenPoint);
        Log("ShowContextMenu");
        if (contextMenuChoice) contextMenuChoice();
    }
    Point CursorScreenPos() override { return cursor; }
    MacroEditorControls& EditorControls() override { return editorControls; }
    bool InstallRecordingHook() override {
        ++hookInstalls;
        Log("InstallRecordingHook");
        return !hookRefused;
    }
    void RemoveRecordingHook() override {
        ++hookRemovals;
        Log("RemoveRecordingHook");
    }
    void AddTrayIcon() override {
        ++addTrayCount;
        Log("AddTrayIcon");
    }
    void RemoveTrayIcon() override {
        ++removeTrayCount;
        Log("RemoveTrayIcon");
    }
    void SetTrayTip(const std::string& tip) override {
        trayTip = tip;
        Log("SetTrayTip:" + tip);
    }
    bool StartsInTray() override { return startsInTray; }
    std::string trayTip;
    bool startsInTray = false;
    void Destroy() override {
        destroyed = true;
        Log("Destroy");
    }
    bool Exists() override { return !destroyed; }
    void RunModal(WindowEvents& events) override {
        Log("RunModal");
        events.OnInitDialog();
    }

    // Window moves, posted system commands and file dialogs (interface
    // thread only). A dialog answers with chosenFile: nothing is a cancel.
    std::vector<Point> drags;
    std::vector<std::pair<SystemCommand, Point>> systemCommands;
    std::vector<FileDialogSpec> fileDialogs;
    std::optional<std::string> chosenFile;
    void BeginDrag(Point clientPoint) override {
        drags.push_back(clientPoint);
        Log("BeginDrag:" + std::to_string(clientPoint.x) + "," + std::to_string(clientPoint.y));
    }
    void PostSystemCommand(SystemCommand command, Point point) override {
        systemCommands.emplace_back(command, point);
        Log(std::string("SysCommand:") + SystemCommandName(command));
    }
    std::optional<std::string> ChooseFile(const FileDialogSpec& request) override {
        fileDialogs.push_back(request);
        Log("ChooseFile");
        return chosenFile;
    }

    // Popups: the live ones in creation order; a modal run calls
    // `modalScript` (the user's moves and clicks) and returns what the
    // popup's events ended it with, or `modalResult` when they did not.
    Rect screenRect{100, 50, 900, 570};
    std::vector<FakePopupWindow*> popups;
    std::function<void(FakePopupWindow&)> modalScript;
    int modalResult = 0;
    int modalRuns = 0;
    std::vector<std::function<void()>> posted;

    Rect ScreenRect() override { return screenRect; }
    std::unique_ptr<PopupWindow> CreatePopup(PopupTemplate kind, PopupEvents& events, PopupWindow*) override {
        auto popup = std::make_unique<FakePopupWindow>(kind, events, popups);
        Log("CreatePopup:" + std::to_string(static_cast<int>(kind)));
        events.OnInit(*popup);
        return popup;
    }
    int RunModalPopup(PopupTemplate kind, PopupEvents& events) override {
        ++modalRuns;
        FakePopupWindow popup(kind, events, popups);
        Log("RunModalPopup:" + std::to_string(static_cast<int>(kind)));
        events.OnInit(popup);
        if (modalScript) modalScript(popup);
        return popup.ended ? popup.result : modalResult;
    }
    void Post(std::function<void()> task) override { posted.push_back(std::move(task)); }
    // Runs what was posted, as the message loop would next.
    void RunPosted() {
        auto tasks = std::move(posted);
        posted.clear();
        for (auto& task : tasks) task();
    }

    std::vector<std::pair<std::string, std::string>> MessageBoxes() const {
        std::lock_guard lock(mutex_);
        return messageBoxes_;
    }

private:
    void Log(std::string line) {
        if (log_ != nullptr) log_->Add(std::move(line));
    }

    CallLog* log_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<std::pair<std::string, std::string>> messageBoxes_;
    std::vector<std::string> notices_;
    std::atomic<FontHandle> fonts_{0};
};

}  // namespace vx::platform::testing
