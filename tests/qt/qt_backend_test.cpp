// The Qt backend's translations that need Qt but no display.
#include <gtest/gtest.h>

#include <QRegion>

#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_popup.h"

namespace vx::platform {
namespace {

TEST(QtBackend, QtKeysBecomeWindowsVirtualKeys) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::uint32_t virtualKey;
    } kCases[] = {
        {Qt::Key_A, Qt::NoModifier, 0x41},           {Qt::Key_Z, Qt::ShiftModifier, 0x5A},
        {Qt::Key_5, Qt::NoModifier, 0x35},           {Qt::Key_Percent, Qt::ShiftModifier, 0x35},
        {Qt::Key_5, Qt::KeypadModifier, 0x65},       {Qt::Key_Plus, Qt::KeypadModifier, 0x6B},
        {Qt::Key_Plus, Qt::ShiftModifier, 0xBB},     {Qt::Key_F1, Qt::NoModifier, 0x70},
        {Qt::Key_F10, Qt::NoModifier, 0x79},         {Qt::Key_Return, Qt::NoModifier, 0x0D},
        {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},   {Qt::Key_Escape, Qt::NoModifier, 0x1B},
        {Qt::Key_Shift, Qt::ShiftModifier, 0x10},    {Qt::Key_Control, Qt::ControlModifier, 0x11},
        {Qt::Key_Alt, Qt::AltModifier, 0x12},        {Qt::Key_Left, Qt::NoModifier, 0x25},
        {Qt::Key_Delete, Qt::NoModifier, 0x2E},      {Qt::Key_BracketLeft, Qt::NoModifier, 0xDB},
        {Qt::Key_QuoteDbl, Qt::ShiftModifier, 0xDE}, {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const auto& c : kCases) EXPECT_EQ(VirtualKeyOf(c.key, c.modifiers), c.virtualKey) << std::hex << c.key;
}

TEST(QtBackend, KeyEventsCarryRepeatMenuKeyAndSide) {
    const struct {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 keySymbol;
        bool autoRepeat;
        bool sided;
        KeyEvent expected;
    } kCases[] = {
        {QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0x61, false, false, KeyDown(Key{0x41})},
        {QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 0x61, true, false, {KeyAction::Up, 0x41, false, true}},
        {QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier, 0xFFC7, false, false, KeyDown(Key::F10, true)},
        {QEvent::KeyPress, Qt::Key_X, Qt::AltModifier, 0x78, false, false, KeyDown(Key{0x58}, true)},
        {QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 0xFFE2, false, true, KeyDown(Key::RightShift)},
        {QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 0xFFE2, false, false, KeyDown(Key::Shift)},
        {QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, 0xFFE3, false, true, KeyUp(Key::LeftControl)},
    };
    for (const auto& c : kCases) {
        const QKeyEvent key(c.type, c.key, c.modifiers, 0, c.keySymbol, 0, QString(), c.autoRepeat);
        EXPECT_EQ(KeyEventOf(key, c.sided), c.expected) << std::hex << c.key;
    }
    EXPECT_FALSE(KeyEventOf(QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier), false));
}

TEST(QtBackend, RegionsBecomeTheSameQtRegions) {
    const struct {
        const char* what;
        Region region;
    } kCases[] = {
        {"runs of one row, out of order", Region{{{5, 1, 9, 2}, {0, 0, 4, 1}, {6, 0, 8, 1}, {0, 1, 3, 2}}}},
        {"taller rectangles", Region{{{0, 0, 10, 5}, {2, 5, 8, 9}}}},
        {"nothing", Region{}},
    };
    for (const auto& c : kCases) {
        QRegion expected;
        for (const Rect& r : c.region.rects) expected += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        EXPECT_EQ(ToQRegion(c.region), expected) << c.what;
    }
}

}  // namespace
}  // namespace vx::platform
