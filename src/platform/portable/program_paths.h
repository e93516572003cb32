#pragma once
// The program's paths, composed the Windows way ("<dir>\config.ini"), and
// the pieces of its module path, alike on every backend.
#include <string>

namespace vx::platform {

// The path with '/' for every '\': what the file calls of a system whose
// only separator is '/' take. Everything else is left as it is.
std::string ForwardSlashPath(const std::string& programPath);

// The folder of a module path, cut at the last '\' or '/', without the
// separator; empty when there is none.
std::string ModuleFolder(const std::string& modulePath);

// The file name of a module path without its extension ("ZUV_GMouse" for
// "C:\Games\ZUV_GMouse.exe"); a name that only starts with a dot keeps it.
std::string ModuleName(const std::string& modulePath);

}  // namespace vx::platform
