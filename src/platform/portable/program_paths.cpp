#include "platform/portable/program_paths.h"

#include <algorithm>

namespace vx::platform {

std::string ForwardSlashPath(const std::string& programPath) {
    std::string path = programPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string ModuleFolder(const std::string& modulePath) {
    const std::size_t cut = modulePath.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : modulePath.substr(0, cut);
}

std::string ModuleName(const std::string& modulePath) {
    const std::size_t cut = modulePath.find_last_of("\\/");
    std::string name = cut == std::string::npos ? modulePath : modulePath.substr(cut + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

}  // namespace vx::platform
