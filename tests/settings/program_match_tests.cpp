// Which rule the program in front matches.
#include "settings/program_match.h"

#include <gtest/gtest.h>

namespace vx::settings {
namespace {

using platform::ForegroundProgram;
using platform::ProgramRule;
using platform::RuleMatch;

struct MatchCase {
    const char* what;
    ProgramRule rule;
    ForegroundProgram program;
    bool matches;
};

TEST(ProgramMatch, OneRule) {
    const MatchCase cases[] = {
        {"file name, other case", {RuleMatch::ProgramFile, "GAME.EXE", 1}, {"C:\\Games\\game.exe", "", ""}, true},
        {"file name given as a path",
         {RuleMatch::ProgramFile, "D:\\x\\game.exe", 1},
         {"C:\\y\\Game.exe", "", ""},
         true},
        {"file name, Linux path",
         {RuleMatch::ProgramFile, "firefox-esr", 1},
         {"/usr/lib/firefox-esr/firefox-esr", "", ""},
         true},
        {"another file", {RuleMatch::ProgramFile, "game.exe", 1}, {"C:\\Games\\game2.exe", "", ""}, false},
        {"unknown program", {RuleMatch::ProgramFile, "game.exe", 1}, {"", "", ""}, false},
        {"under the folder", {RuleMatch::Folder, "c:\\games", 1}, {"C:\\Games\\Shooter\\bin\\s.exe", "", ""}, true},
        {"folder with separator", {RuleMatch::Folder, "C:/Games/", 1}, {"C:\\Games\\s.exe", "", ""}, true},
        {"a folder of a like name", {RuleMatch::Folder, "C:\\Games", 1}, {"C:\\GamesOld\\s.exe", "", ""}, false},
        {"the folder itself", {RuleMatch::Folder, "C:\\Games", 1}, {"C:\\Games", "", ""}, false},
        {"window class",
         {RuleMatch::WindowClass, "Steam_App_570", 1},
         {"/usr/bin/wine64-preloader", "steam_app_570", "steam_app_570"},
         true},
        {"window instance",
         {RuleMatch::WindowClass, "navigator", 1},
         {"/usr/bin/firefox", "Firefox-esr", "Navigator"},
         true},
        {"another class",
         {RuleMatch::WindowClass, "steam_app_570", 1},
         {"/usr/bin/wine64-preloader", "steam_app_57", ""},
         false},
        {"class on Windows", {RuleMatch::WindowClass, "game.exe", 1}, {"C:\\game.exe", "", ""}, false},
    };
    for (const MatchCase& c : cases) EXPECT_EQ(RuleMatches(c.rule, c.program), c.matches) << c.what;
}

TEST(ProgramMatch, TheFirstMatchingRuleWins) {
    const platform::ProgramRules rules{true,
                                       {{RuleMatch::ProgramFile, "other.exe", 5},
                                        {RuleMatch::Folder, "C:\\Games", 2},
                                        {RuleMatch::ProgramFile, "game.exe", 3}},
                                       0};
    EXPECT_EQ(FirstMatchingRule(rules, {"C:\\Games\\game.exe", "", ""}), 1u);
    EXPECT_EQ(FirstMatchingRule(rules, {"D:\\game.exe", "", ""}), 2u);
    EXPECT_EQ(FirstMatchingRule(rules, {"D:\\notepad.exe", "", ""}), std::nullopt);
}

}  // namespace
}  // namespace vx::settings
