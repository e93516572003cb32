// Temporary files of settings saves are recognised by name, and only those.
#include <gtest/gtest.h>

#include "platform/portable/save_temporaries.h"

namespace vx::platform {
namespace {

TEST(SaveTemporariesTest, OnlyTheProgramsOwnNamesForThatFileAreRecognised) {
    EXPECT_EQ(SaveTemporaryName("config.ini", 0x0123456789ABCDEFull),
              "config.ini.ZUV_GMouse-save-0123456789abcdef.tmp");
    const struct {
        const char* candidate;
        bool recognised;
    } cases[] = {
        {"config.ini.ZUV_GMouse-save-0123456789abcdef.tmp", true},
        {"CONFIG.INI.zuv_gmouse-SAVE-0123456789ABCDEF.TMP", true},
        {"config.ini", false},
        {"config.ini.tmp-0123456789ab", false},
        {"config.ini.ZUV_GMouse-save-0123456789abcdef.tmp.bak", false},
        {"config.ini.ZUV_GMouse-save-0123456789abcdeX.tmp", false},
        {"config.ini.ZUV_GMouse-save-.tmp", false},
        {"Macro_EN.dat.ZUV_GMouse-save-0123456789abcdef.tmp", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSaveTemporaryOf(c.candidate, "config.ini"), c.recognised) << c.candidate;
    EXPECT_FALSE(IsSaveTemporaryOf(".ZUV_GMouse-save-0123456789abcdef.tmp", ""));
}

}  // namespace
}  // namespace vx::platform
