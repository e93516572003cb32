#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/qt/linux_desktop_input.h"

namespace vx::platform {
namespace {

using Route = PointerSpeedRoute;

TEST(LinuxDesktopInput, TheSessionDecidesWhichSettingsTakeTheSpeedAndTheWheel) {
    const struct {
        SessionFacts session;
        DesktopInputPlan plan;
    } kCases[] = {
        {{"KDE", "x11", false, true}, {Route::PlasmaX11, true}},
        {{"KDE", "wayland", true, true}, {Route::PlasmaWayland, true}},
        {{"kde", "", true, false}, {Route::PlasmaWayland, true}},
        {{"KDE", "tty", false, true}, {Route::PlasmaX11, true}},
        {{"KDE", "", false, false}, {Route::Unsupported, true}},
        {{"GNOME", "wayland", true, false}, {Route::GnomeSettings, false}},
        {{"ubuntu:GNOME", "x11", false, true}, {Route::GnomeSettings, false}},
        {{"GNOME-Flashback:GNOME", "x11", false, true}, {Route::GnomeSettings, false}},
        {{"Budgie:GNOME", "x11", false, true}, {Route::GnomeSettings, false}},
        {{"Unity", "x11", false, true}, {Route::GnomeSettings, false}},
        {{"XFCE", "x11", false, true}, {Route::XInput, false}},
        {{"", "", false, true}, {Route::XInput, false}},
        {{"LXQt", "wayland", true, true}, {Route::Unsupported, false}},
        {{"sway", "", true, false}, {Route::Unsupported, false}},
        {{"", "", false, false}, {Route::Unsupported, false}},
        // A name that only contains another one is not it.
        {{"KDEish", "x11", false, true}, {Route::XInput, false}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(DesktopInputPlanFor(c.session), c.plan)
            << c.session.currentDesktop << " / " << c.session.sessionType << " -> "
            << RouteName(DesktopInputPlanFor(c.session).pointer);
    }
}

TEST(LinuxDesktopInput, NumbersAreWrittenAsTheKeyFilesHoldThem) {
    const struct {
        double value;
        const char* text;
    } kCases[] = {{0.0, "0"},           {1.0, "1"},   {-1.0, "-1"},   {0.5, "0.5"},
                  {-1.0 / 9, "-0.111"}, {0.2, "0.2"}, {-0.0001, "0"}, {0.1004, "0.1"}};
    for (const auto& c : kCases) EXPECT_EQ(KeyFileNumber(c.value), c.text) << c.value;
}

TEST(LinuxDesktopInput, AnEntryIsSetInPlaceAddedToItsGroupOrWithANewGroup) {
    const struct {
        const char* text;
        const char* group;
        const char* key;
        const char* value;
        const char* result;
    } kCases[] = {
        {"", "Mouse", "XLbInptPointerAcceleration", "0.5", "[Mouse]\nXLbInptPointerAcceleration=0.5\n"},
        {"[Mouse]\ncursorTheme=breeze\n", "Mouse", "XLbInptPointerAcceleration", "-1",
         "[Mouse]\ncursorTheme=breeze\nXLbInptPointerAcceleration=-1\n"},
        {"[Keyboard]\nNumLock=0\n\n[Mouse]\nXLbInptPointerAcceleration=0.2\nX11LibInputXAccelProfileFlat=true\n",
         "Mouse", "XLbInptPointerAcceleration", "0",
         "[Keyboard]\nNumLock=0\n\n[Mouse]\nXLbInptPointerAcceleration=0\nX11LibInputXAccelProfileFlat=true\n"},
        {"[General]\nColorScheme=BreezeDark\r\n", "KDE", "WheelScrollLines", "3",
         "[General]\nColorScheme=BreezeDark\n[KDE]\nWheelScrollLines=3\n"},
        {"[KDE]\nSingleClick=false\nWheelScrollLines=7\n", "KDE", "WheelScrollLines", "1",
         "[KDE]\nSingleClick=false\nWheelScrollLines=1\n"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(WithKeyFileEntry(c.text, c.group, c.key, c.value), c.result) << c.text;
        EXPECT_EQ(KeyFileEntry(c.result, c.group, c.key), std::optional<std::string>(c.value)) << c.result;
    }
}

TEST(LinuxDesktopInput, AMissingEntryReadsAsNothing) {
    EXPECT_EQ(KeyFileEntry("", "KDE", "WheelScrollLines"), std::nullopt);
    EXPECT_EQ(KeyFileEntry("[General]\nWheelScrollLines=4\n", "KDE", "WheelScrollLines"), std::nullopt);
    EXPECT_EQ(KeyFileEntry("[KDE]\nWheelScrollLines=4\n", "KDE", "WheelScrollLines"), "4");
}

TEST(LinuxDesktopInput, TheWheelHasAtLeastOneLine) {
    EXPECT_EQ(DesktopWheelLines(0), 1U);
    EXPECT_EQ(DesktopWheelLines(1), 1U);
    EXPECT_EQ(DesktopWheelLines(12), 12U);
}

}  // namespace
}  // namespace vx::platform
