#pragma once
// Names of the temporary files a settings save writes beside its file
// ("config.ini.ZUV_GMouse-save-<16 hex digits>.tmp"). A save killed before
// its rename leaves one behind; the name is the program's own, so at the
// next start those can be found and removed without touching anything else.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx::platform {

// "<fileName>.ZUV_GMouse-save-<random as 16 lower-case hex digits>.tmp".
std::string SaveTemporaryName(std::string_view fileName, std::uint64_t random);

// True when `candidate` is exactly a name SaveTemporaryName makes for
// `fileName` (names compare without regard to ASCII case, as Windows does).
bool IsSaveTemporaryOf(std::string_view candidate, std::string_view fileName);

}  // namespace vx::platform
