#pragma once
// A platform whose every call the start-up and lifecycle tests can read back
// as one ordered log of steps.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/subsystems.h"
#include "platform/platform.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/recording_diagnostics.h"
#include "platform/testing/memory_file_system.h"

namespace vx::testing {

using Log = std::vector<std::string>;

class RecordingWindow : public platform::MainWindow {
public:
    explicit RecordingWindow(Log& log) : log_(log) {}
    void MessageBox(const std::string& text, const std::string& caption) override {
        log_.push_back("MessageBox:" + text + "|" + caption);
    }
    std::string LoadResourceString(int id) override { return id == 101 ? aboutText : std::string(); }
    void AppendSystemMenuItem(const std::string& text, int id) override {
        log_.push_back("AppendSystemMenuItem:" + text + ":" + std::to_string(id));
    }
    void SetLargeIcon(int id) override { log_.push_back("SetLargeIcon:" + std::to_string(id)); }
    void SetTitle(const std::string& title) override { log_.push_back("SetTitle:" + title); }
    platform::FontHandle CreateFont(const platform::FontSpec& fontSpec) override {
        fonts.push_back(fontSpec);
        log_.push_back("CreateFont:" + fontSpec.face);
        return static_cast<platform::FontHandle>(fonts.size());
    }
    void SetShape(const Region& region, int width, int height) override {
        shape = region;
        log_.push_back("SetShape:" + std::to_string(width) + "x" + std::to_string(height));
    }
    void Invalidate() override { log_.push_back("Invalidate"); }
    void PostRepaint() override { log_.push_back("PostRepaint"); }
    void Show(platform::ShowCommand command) override {
        static const char* names[] = {"Show", "Hide", "Minimize", "Restore"};
        log_.push_back(std::string("Show:") + names[static_cast<int>(command)]);
    }
    void ShowAboutBox() override { log_.push_back("ShowAboutBox"); }
    void BeginDrag(Point p) override { log_.push_back("BeginDrag:" + std::to_string(p.x) + "," + std::to_string(p.y)); }
    void PostSystemCommand(int command, Point) override { log_.push_back("SysCommand:" + std::to_string(command)); }
    std::optional<std::string> ChooseFile(const platform::FileDialogSpec&) override {
        log_.push_back("ChooseFile");
        return std::nullopt;
    }
    void ShowTrayMenu(int menuResourceId) override { log_.push_back("ShowTrayMenu:" + std::to_string(menuResourceId)); }
    void AddTrayIcon() override { log_.push_back("AddTrayIcon"); }
    void RemoveTrayIcon() override { log_.push_back("RemoveTrayIcon"); }
    void Destroy() override { exists = false; log_.push_back("Destroy"); }
    bool Exists() override { return exists; }
    void RunModal(platform::WindowEvents& events) override {
        log_.push_back("RunModal");
        exists = true;
        events.OnInitDialog();
    }

    std::string aboutText = "&About ZUV_GMouse...";
    std::vector<platform::FontSpec> fonts;
    Region shape;
    bool exists = false;

private:
    Log& log_;
};

class RecordingProcess : public platform::Process {
public:
    explicit RecordingProcess(Log& log) : log_(log) {}
    std::string ModuleFileName() override { return "C:\\Games\\VX230\\ZUV_GMouse.exe"; }
    bool CreateSingleInstanceLock(const std::string& name) override {
        log_.push_back("CreateMutex:" + name);
        return !otherInstanceRuns;
    }
    void CloseSingleInstanceLock() override { log_.push_back("CloseMutex"); }
    bool RestoreWindowByTitle(const std::string& title) override {
        log_.push_back("RestoreWindow:" + title);
        return true;
    }
    void InitCommonControls() override { log_.push_back("InitCommonControls"); }

    bool otherInstanceRuns = false;

private:
    Log& log_;
};

class RecordingSystemSettings : public platform::SystemSettings {
public:
    explicit RecordingSystemSettings(Log& log) : log_(log) {}
    std::optional<int> GetMouseSpeed() override {
        if (!queriesSucceed) return std::nullopt;
        return mouseSpeed;
    }
    bool SetMouseSpeed(int speed) override {
        mouseSpeed = speed;
        log_.push_back("SetMouseSpeed:" + std::to_string(speed));
        return true;
    }
    std::optional<unsigned> GetWheelScrollLines() override {
        if (!queriesSucceed) return std::nullopt;
        return wheelLines;
    }
    bool SetWheelScrollLines(unsigned lines) override {
        wheelLines = lines;
        log_.push_back("SetWheelScrollLines:" + std::to_string(lines));
        return true;
    }

    bool queriesSucceed = true;
    int mouseSpeed = 7;
    unsigned wheelLines = 3;

private:
    Log& log_;
};

class RecordingClock : public platform::Clock {
public:
    explicit RecordingClock(Log& log) : log_(log) {}
    std::int64_t NowMicros() override { return now; }
    void SleepMs(int ms) override {
        now += ms * 1000;
        log_.push_back("Sleep:" + std::to_string(ms));
    }
    std::int64_t now = 0;

private:
    Log& log_;
};

class InlineThreads : public platform::Threads {
public:
    explicit InlineThreads(Log& log) : log_(log) {}
    void Start(std::function<void()>, platform::ThreadPriority) override { log_.push_back("StartThread"); }

private:
    Log& log_;
};

class NoShell : public platform::Shell {
public:
    bool StartProgram(const std::string&) override { return true; }
    bool OpenDocument(const std::string&) override { return true; }
};

class MapImageDecoder : public platform::ImageDecoder {
public:
    std::optional<platform::Image> Load(const std::string& path) override {
        const auto it = images.find(path);
        if (it == images.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, platform::Image> images;
};

class NoHid : public platform::HidApi {
public:
    void BeginEnumeration() override {}
    std::optional<std::string> InterfacePath(int) override { return std::nullopt; }
    void EndEnumeration() override {}
    platform::HidHandle Open(const std::string&, platform::HidAccess) override { return platform::kInvalidHidHandle; }
    void Close(platform::HidHandle) override {}
    std::optional<platform::HidAttributes> GetAttributes(platform::HidHandle) override { return std::nullopt; }
    std::optional<platform::HidCaps> GetCaps(platform::HidHandle) override { return std::nullopt; }
    void RegisterForNotifications() override {}
    bool SetFeature(platform::HidHandle, const std::uint8_t*, std::size_t) override { return false; }
    bool ReadInput(platform::HidHandle, std::uint8_t*, std::size_t) override { return false; }
};

// The operations of the other subsystems, as named steps in the log.
class RecordingSubsystems : public app::Subsystems {
public:
    explicit RecordingSubsystems(Log& log) : log_(log) {}
    void StartWorkers() override { log_.push_back("StartWorkers"); }
    void LoadMainLayout() override { Step("LoadMainLayout"); }
    void LoadColorLayout() override { Step("LoadColorLayout"); }
    void LoadAdvancedLayout() override { Step("LoadAdvancedLayout"); }
    void AllocateAdvancedControls() override { log_.push_back("AllocateAdvancedControls"); }
    void LoadWarningLayout() override { Step("LoadWarningLayout"); }
    std::array<Rect, 3> RepaintCutouts() override { return cutouts; }
    void LoadUserMacros(const std::string& file) override { log_.push_back("LoadUserMacros:" + file); }
    void LoadConstantMacros(const std::string& file) override { log_.push_back("LoadConstantMacros:" + file); }
    void ResetMacroInterfaceState() override { log_.push_back("ResetMacroInterfaceState"); }
    void LoadLanguageMenus(settings::UiLanguage language) override {
        log_.push_back("LoadLanguageMenus:" + std::to_string(static_cast<int>(language)));
    }
    bool FindMouse() override {
        log_.push_back("FindMouse");
        return mousePresent;
    }
    bool IsMouseNotification(const platform::DeviceNotification& n) override {
        return n.isDeviceInterface && n.interfacePath == mousePath;
    }
    void ApplyConfiguration() override { log_.push_back("ApplyConfiguration"); }
    void SendDriverExit() override { log_.push_back("SendDriverExit"); }

    // A layout step that runs this instead of its own work (the missing
    // file path calls the exit sequence from inside a loader).
    std::string failingLayout;
    std::function<void()> onLayoutFailure;
    bool mousePresent = true;
    std::string mousePath = "\\\\?\\hid#vid_18f8&pid_1286&mi_01";
    std::array<Rect, 3> cutouts{};

private:
    void Step(const std::string& name) {
        log_.push_back(name);
        if (name == failingLayout && onLayoutFailure) onLayoutFailure();
    }
    Log& log_;
};

// Everything wired together, over an in-memory program folder.
struct RecordingPlatform {
    Log log;
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles{files, diagnostics};
    NoHid hid;
    RecordingSystemSettings systemSettings{log};
    RecordingClock clock{log};
    InlineThreads threads{log};
    NoShell shell;
    MapImageDecoder images;
    RecordingProcess process{log};
    RecordingWindow window{log};
    platform::Platform platform{files, profiles, hid, systemSettings, clock, threads, shell, images, process, window, diagnostics};
};

}  // namespace vx::testing
