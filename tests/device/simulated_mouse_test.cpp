#include "platform/sim/simulated_mouse.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "device/apply_configuration.h"
#include "device/discovery.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/test_platform.h"

namespace vx::platform::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SimulatedMouseTest : public ::testing::Test {
protected:
    // Writes a feature report the way the program does.
    void Send(const Bytes& head) {
        Bytes report(SimulatedMouse::kFeatureReportLength, 0);
        std::copy(head.begin(), head.end(), report.begin());
        ASSERT_TRUE(mouse.SetFeature(writeHandle, report.data(), report.size()));
    }
    // The next input report, whole.
    Bytes Read() {
        Bytes buffer(SimulatedMouse::kInputReportLength, 0xEE);
        EXPECT_TRUE(mouse.ReadInput(readHandle, buffer.data(), buffer.size()));
        return buffer;
    }
    static Bytes Input(std::uint8_t code, std::uint8_t value) { return {6, code, value, 0, 0, 0, 0, 0}; }

    void SetUp() override {
        writeHandle = mouse.Open(SimulatedMouse::kFeatureCollectionPath, HidAccess::Write);
        readHandle = mouse.Open(SimulatedMouse::kInputCollectionPath, HidAccess::Read);
        ASSERT_NE(writeHandle, kInvalidHidHandle);
        ASSERT_NE(readHandle, kInvalidHidHandle);
    }

    testing::FakeClock clock;
    SimulatedMouse mouse{clock};
    HidHandle writeHandle = kInvalidHidHandle;
    HidHandle readHandle = kInvalidHidHandle;
};

TEST_F(SimulatedMouseTest, PresentsAnUnrelatedDeviceThenTheMouseCollectionsInOrder) {
    mouse.BeginEnumeration();
    std::vector<HidCaps> caps;
    std::vector<HidAttributes> attributes;
    for (int i = 0; mouse.InterfacePath(i); ++i) {
        const HidHandle query = mouse.Open(*mouse.InterfacePath(i), HidAccess::Query);
        attributes.push_back(*mouse.GetAttributes(query));
        caps.push_back(*mouse.GetCaps(query));
        mouse.Close(query);
    }
    mouse.EndEnumeration();
    ASSERT_EQ(caps.size(), 5u);
    EXPECT_NE(attributes[0].vendorId, SimulatedMouse::kVendorId);
    for (std::size_t i = 1; i < 5; ++i) EXPECT_EQ(attributes[i].productId, SimulatedMouse::kProductId);
    EXPECT_EQ(caps[1].usagePage, 0x0001);
    EXPECT_EQ(caps[1].usage, 6);
    EXPECT_EQ(caps[2].usage, 2);
    EXPECT_EQ(caps[3].usagePage, 0xFF00);
    EXPECT_EQ(caps[4].usagePage, 0xFF01);
}

TEST_F(SimulatedMouseTest, FeatureReportsSetTheFirmwareState) {
    Send({7, 0x10, 3, 0});
    Send({7, 0x10, 9, 5});  // no such button: ignored
    Send({7, 0x11, 2, 0});
    Send({7, 0x09, 0x42, 0x7A, 0x05});
    Send({7, 0x12, 0x01, 0x25});
    Send({7, 0x13, 0x7F, 0x16});
    Send({7, 0x15, 4, 5, 0, 0, 0, 0});
    Send({7, 0x16, 0, 0xFE});
    Send({7, 0x17, 0x01, 0x92});

    const FirmwareState firmware = mouse.Firmware();
    EXPECT_EQ(firmware.buttonFunction, (std::array<std::uint8_t, 7>{0, 1, 2, 0, 4, 5, 6}));
    EXPECT_EQ(firmware.wheelStatus, 2);
    EXPECT_EQ(firmware.dpiCodes[2], 7);
    EXPECT_EQ(firmware.dpiEnableMask, 0x05);
    EXPECT_EQ(firmware.activeDpiLevel, 2);
    EXPECT_EQ(firmware.fireTimeUnits, 0x0125);
    EXPECT_EQ(firmware.ledCode, 6);
    EXPECT_EQ(firmware.keysHeld, (std::array<std::uint8_t, 6>{4, 5, 0, 0, 0, 0}));
    EXPECT_EQ(firmware.mouseButtons, 0xFE);
    EXPECT_EQ(firmware.consumerUsagesSent, (std::vector<std::uint16_t>{0x192}));
    EXPECT_FALSE(firmware.driverExited);
    Send({7, 0x20, 0, 0});
    EXPECT_TRUE(mouse.Firmware().driverExited);
}

TEST_F(SimulatedMouseTest, ReportsThatAreNotFeatureReportsOfTheWriteCollectionAreRefused) {
    const Bytes wrongId{6, 0x20, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(mouse.SetFeature(writeHandle, wrongId.data(), wrongId.size()));
    const Bytes exit{7, 0x20, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(mouse.SetFeature(readHandle, exit.data(), exit.size()));
    EXPECT_FALSE(mouse.SetFeature(writeHandle, exit.data(), 4));
    EXPECT_FALSE(mouse.Firmware().driverExited);
    EXPECT_EQ(mouse.Open(SimulatedMouse::kKeyboardCollectionPath, HidAccess::Read), kInvalidHidHandle);
}

TEST_F(SimulatedMouseTest, ButtonsReportedToTheProgramSendPressAndRelease) {
    Send({7, 0x10, 2, 0});
    mouse.Press(2);
    mouse.Release(2);
    EXPECT_EQ(Read(), Input(0xF2, SimulatedMouse::kPressedValue));
    EXPECT_EQ(Read(), Input(0xF2, 0x80));
}

TEST_F(SimulatedMouseTest, ButtonsTheMouseHandlesItselfReportNothing) {
    mouse.Press(1);  // device function 1 (left click) after power-up
    mouse.Release(1);
    Send({7, 0x10, 4, 10});
    mouse.Press(4);
    mouse.Release(4);
    EXPECT_EQ(Read(), Input(0xF4, SimulatedMouse::kPressedValue));
    const auto log = mouse.Log();
    int inputs = 0;
    for (const LoggedReport& entry : log) inputs += entry.direction == ReportDirection::In ? 1 : 0;
    EXPECT_EQ(inputs, 1);
}

TEST_F(SimulatedMouseTest, DpiCycleVisitsOnlyEnabledLevelsAndWraps) {
    Send({7, 0x10, 6, 6});
    Send({7, 0x09, 0x40, 0x18, 0x0D});  // levels 0, 2 and 3 enabled
    for (std::uint8_t expected : Bytes{2, 3, 0, 2}) {
        mouse.Press(6);
        EXPECT_EQ(Read(), Input(0xF6, expected));
    }
}

TEST_F(SimulatedMouseTest, DpiUpAndDownStopAtTheEnds) {
    Send({7, 0x10, 4, 11});
    Send({7, 0x10, 5, 12});
    Send({7, 0x09, 0x41, 0x18, 0x0B});  // levels 0, 1 and 3; active 1
    mouse.Press(4);
    EXPECT_EQ(Read(), Input(0xF4, 3));
    mouse.Press(4);
    EXPECT_EQ(Read(), Input(0xF4, 3));
    mouse.Press(5);
    EXPECT_EQ(Read(), Input(0xF5, 1));
    mouse.Press(5);
    EXPECT_EQ(Read(), Input(0xF5, 0));
    mouse.Press(5);
    EXPECT_EQ(Read(), Input(0xF5, 0));
    EXPECT_EQ(mouse.Firmware().activeDpiLevel, 0);
}

TEST_F(SimulatedMouseTest, RawInputIsPaddedToTheReportLength) {
    mouse.QueueInput({6, 0xF0});
    EXPECT_EQ(Read(), Input(0xF0, 0));
}

TEST_F(SimulatedMouseTest, UnplugEndsABlockedReadAndLaterWrites) {
    auto reader = std::async(std::launch::async, [this] {
        Bytes buffer(8);
        return mouse.ReadInput(readHandle, buffer.data(), buffer.size());
    });
    mouse.Unplug();
    EXPECT_FALSE(reader.get());
    const Bytes exit{7, 0x20, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(mouse.SetFeature(writeHandle, exit.data(), exit.size()));
    mouse.Press(1);
    EXPECT_EQ(mouse.Open(SimulatedMouse::kFeatureCollectionPath, HidAccess::Query), kInvalidHidHandle);
}

TEST_F(SimulatedMouseTest, LogRecordsBothDirectionsWithTimes) {
    Send({7, 0x10, 1, 0});
    clock.AdvanceMicros(2500);
    mouse.Press(1);
    const auto log = mouse.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].direction, ReportDirection::Out);
    EXPECT_EQ(log[0].bytes, (Bytes{7, 0x10, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(log[1].direction, ReportDirection::In);
    EXPECT_EQ(log[1].microsSinceStart - log[0].microsSinceStart, 2500);
}

TEST(SimulatedMouseProgramTest, DiscoveryAndApplyLeaveTheFirmwareMatchingTheConfiguration) {
    testing::FakeClock clock;
    SimulatedMouse mouse(clock);
    testing::TestPlatform fakes(mouse);
    settings::SettingsStore settings;
    device::DeviceSession session;
    settings.ConfigPath = "C:\\VX230\\config.ini";
    settings.CurrentConfigNumber = 1;

    ASSERT_TRUE(device::FindMouse(session, mouse));
    EXPECT_EQ(session.link.MouseDevicePath, SimulatedMouse::kFeatureCollectionPath);
    EXPECT_EQ(mouse.NotificationRegistrations(), 4);

    settings::MouseConfig& c = settings.config;
    c.K0 = 41, c.K1 = 14, c.K2 = 2, c.K3 = 15, c.K4 = -3, c.K5 = 6;
    c.DPI_SET0 = 0, c.DPI_SET1 = 4, c.DPI_SET2 = 9, c.DPI_SET3 = 11;
    c.DPI_SET_EN0 = true, c.DPI_SET_EN1 = false, c.DPI_SET_EN2 = true, c.DPI_SET_EN3 = true;
    c.DPI_LEVEL = 2, c.WHEEL_STATUS = 1, c.LED_STATUS = 3, c.FIRE_TIME = 200;
    device::ApplyConfiguration(settings, session, fakes.Bundle());

    const FirmwareState firmware = mouse.Firmware();
    EXPECT_EQ(firmware.buttonFunction, (std::array<std::uint8_t, 7>{0, 0, 2, 10, 11, 0xFD, 6}));
    EXPECT_EQ(firmware.dpiCodes, (std::array<std::uint8_t, 4>{1, 5, 13, 15}));
    EXPECT_EQ(firmware.dpiEnableMask, 0x0D);
    EXPECT_EQ(firmware.activeDpiLevel, 2);
    EXPECT_EQ(firmware.wheelStatus, 1);
    EXPECT_EQ(firmware.ledCode, 7);
    EXPECT_EQ(firmware.fireTimeUnits, 25);
    EXPECT_EQ(mouse.Log().size(), 13u);

    // Button 5 (device 6) cycles the level itself and reports the new one.
    mouse.Press(6);
    std::vector<std::uint8_t> buffer(session.link.readEndpoint.load()->inputReportLength);
    ASSERT_TRUE(mouse.ReadInput(session.link.readEndpoint.load()->handle, buffer.data(), buffer.size()));
    EXPECT_EQ(buffer[1], 0xF6);
    EXPECT_EQ(buffer[2], 3);
}

}  // namespace
}  // namespace vx::platform::sim
