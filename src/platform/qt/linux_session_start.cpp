#include "platform/qt/linux_session_start.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/product.h"

namespace vx::platform {
namespace {

// An Exec argument as the desktop entry format wants it: quoted, with the
// characters that are special inside quotes escaped.
std::string QuotedExecArgument(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        // The string escape applies first, so a backslash inside the quotes
        // is four of them in the file, and the escape of a quote two.
        if (c == '\\') {
            quoted += "\\\\\\\\";
            continue;
        }
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '%') {
            quoted += "%%";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::optional<std::string> AutostartDir(const char* xdgConfigHome, const char* home) {
    // Only an absolute XDG_CONFIG_HOME counts, as the base directory rules say.
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/autostart";
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/autostart";
    return std::nullopt;
}

std::string AutostartEntry(const std::string& executable) {
    return std::string(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=") +
           product::kProductName +
           "\n"
           "Name[zh_CN]=VX230 游戏鼠标驱动\n"
           "Comment=Configures the VX230 when the session starts; only the tray icon shows\n"
           "Comment[zh_CN]=登录时设置 VX230 鼠标，只显示托盘图标\n"
           "Exec=" +
           QuotedExecArgument(executable) +
           " --tray\n"
           "Icon=vx230\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool LinuxSessionStart::IsOn() {
    std::error_code error;
    return std::filesystem::is_regular_file(entryFile_, error);
}

std::optional<std::string> LinuxSessionStart::Set(bool on) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!on) {
        fs::remove(entryFile_, error);
        if (error) return entryFile_ + " not removed: " + error.message();
        return std::nullopt;
    }
    fs::create_directories(fs::path(entryFile_).parent_path(), error);
    if (error) return fs::path(entryFile_).parent_path().string() + " not made: " + error.message();
    // Written beside it first, so a session never reads half an entry.
    const std::string temporary = entryFile_ + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << AutostartEntry(executable_);
        if (!out.flush()) {
            fs::remove(temporary, error);
            return entryFile_ + " not written";
        }
    }
    fs::rename(temporary, entryFile_, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return entryFile_ + " not written: " + error.message();
    }
    return std::nullopt;
}

}  // namespace vx::platform
