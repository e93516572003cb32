#include "platform/portable/start_options.h"

#include <gtest/gtest.h>

namespace vx::platform {
namespace {

TEST(StartOptionsTest, KnownOptionsAreWholeWordsAndTheRestIsIgnored) {
    using List = std::vector<std::string>;
    const struct {
        std::string arguments;
        bool tray;
        bool diagnostics;
        List ignored;
    } cases[] = {
        {"", false, false, {}},
        {"   \t ", false, false, {}},
        {"--tray", true, false, {}},
        {"  --TRAY\t--Diagnostics ", true, true, {}},
        {"\"--tray\"", true, false, {}},
        {"--trayX --no-tray x--diagnostics", false, false, {"\"--trayX\"", "\"--no-tray\"", "\"x--diagnostics\""}},
        {"/tray -tray --tray=1", false, false, {"\"/tray\"", "\"-tray\"", "\"--tray=1\""}},
        {"\"a b\" \"\" --tray", true, false, {"\"a b\"", "\"\""}},
        {"bad\x01\x7F", false, false, {"\"bad??\""}},
        {"--диагностика", false, false, {"\"--диагностика\""}},
        {std::string(50, 'x'), false, false, {"\"" + std::string(40, 'x') + "\" (cut, 50 bytes)"}},
        // Cut between characters, never inside one.
        {std::string(38, 'a') + "用户", false, false, {"\"" + std::string(38, 'a') + "用户\""}},
        {std::string(39, 'a') + "用户", false, false, {"\"" + std::string(39, 'a') + "用\" (cut, 45 bytes)"}},
    };
    for (const auto& c : cases) {
        const StartOptions options = ParseStartOptions(c.arguments);
        EXPECT_EQ(options.trayOnly, c.tray) << c.arguments;
        EXPECT_EQ(options.diagnosticsLog, c.diagnostics) << c.arguments;
        EXPECT_EQ(options.ignored, c.ignored) << c.arguments;
    }
}

}  // namespace
}  // namespace vx::platform
