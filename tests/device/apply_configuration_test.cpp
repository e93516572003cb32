#include "device/apply_configuration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/discovery.h"
#include "device/driver_exit.h"
#include "platform/testing/fake_hid_api.h"
#include "platform/testing/test_platform.h"

namespace vx::device {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::HidAttributes;
using platform::HidCaps;
using platform::testing::FakeHidApi;
using platform::testing::FakeInterface;

const std::string kConfigPath = "C:\\VX230\\config.ini";

settings::MouseConfig FactoryDefaults() {
    settings::MouseConfig c;
    c.K0 = 1, c.K1 = 3, c.K2 = 2, c.K3 = 4, c.K4 = 5, c.K5 = 6;
    c.DPI_SET0 = 3, c.DPI_SET1 = 5, c.DPI_SET2 = 6, c.DPI_SET3 = 8;
    c.DPI_SET_EN0 = c.DPI_SET_EN1 = c.DPI_SET_EN2 = c.DPI_SET_EN3 = true;
    c.FIRE_TIME = 50;
    c.DPI_SPEED = 4;
    c.WHEEL_SPEED = 2;
    return c;
}

class ApplyConfigurationTest : public ::testing::Test {
protected:
    void ConnectMouse(std::uint16_t featureLength) {
        hid.interfaces = {
            FakeInterface{"read", HidAttributes{0x18F8, 0x1286}, HidCaps{0xFF00, 1, 8, 0}},
            FakeInterface{"write", HidAttributes{0x18F8, 0x1286}, HidCaps{0xFF01, 1, 0, featureLength}},
        };
        ASSERT_TRUE(FindMouse(session, hid));
    }

    void Apply(const settings::MouseConfig& config) {
        settings.config = config;
        ApplyConfiguration(settings, session, fakes.Bundle());
    }

    std::vector<Bytes> Sent() const {
        std::vector<Bytes> reports;
        for (const auto& report : hid.FeatureReports()) reports.push_back(report.bytes);
        return reports;
    }

    // Bytes 1..4 of every report sent, the bytes each command writes.
    std::vector<Bytes> Payloads() const {
        std::vector<Bytes> payloads;
        for (const Bytes& report : Sent()) payloads.emplace_back(report.begin() + 1, report.begin() + 5);
        return payloads;
    }

    std::string Profile(const std::string& section, const std::string& key) {
        return fakes.profiles.ReadString(kConfigPath, section, key, 64);
    }

    platform::testing::TestPlatform fakes;
    FakeHidApi& hid = fakes.hid;
    settings::SettingsStore settings;
    device::DeviceSession session;

public:
    ApplyConfigurationTest() {
        settings.ConfigPath = kConfigPath;
        settings.CurrentConfigNumber = 3;
    }
};

TEST_F(ApplyConfigurationTest, FactoryDefaultsGiveTheThirteenReportsInOrder) {
    ConnectMouse(8);
    Apply(FactoryDefaults());

    const std::vector<Bytes> expected = {
        {7, 0x10, 1, 1, 0, 0, 0, 0},          {7, 0x10, 3, 3, 0, 0, 0, 0},
        {7, 0x10, 2, 2, 0, 0, 0, 0},          {7, 0x10, 4, 4, 0, 0, 0, 0},
        {7, 0x10, 5, 5, 0, 0, 0, 0},          {7, 0x10, 6, 6, 0, 0, 0, 0},
        {7, 0x11, 0, 0, 0, 0, 0, 0},          {7, 0x09, 0x40, 0x48, 0x0F, 0, 0, 0},
        {7, 0x09, 0x40, 0x69, 0x0F, 0, 0, 0}, {7, 0x09, 0x40, 0x7A, 0x0F, 0, 0, 0},
        {7, 0x09, 0x40, 0xBB, 0x0F, 0, 0, 0}, {7, 0x13, 0x7F, 0x10, 0x0F, 0, 0, 0},
        {7, 0x12, 0x00, 0x06, 0, 0, 0, 0},
    };
    EXPECT_EQ(Sent(), expected);
    for (const auto& report : hid.FeatureReports()) EXPECT_EQ(report.handle, session.link.WriteChannel.handle);

    EXPECT_EQ(session.applied.MirrorsDpiLevel, (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_EQ(session.applied.MirrorsUsbSpeed, (std::array<bool, 6>{}));
    EXPECT_EQ(session.applied.SentDpiCodes, (std::array<std::uint8_t, 4>{4, 6, 7, 11}));
    EXPECT_EQ(session.applied.AppliedLedMode, 0);
    EXPECT_EQ(fakes.window.invalidateCount, 1);
}

TEST_F(ApplyConfigurationTest, ButtonCodesMapToDeviceFunctionsAndFlags) {
    ConnectMouse(8);
    settings::MouseConfig config = FactoryDefaults();
    config.K0 = 14, config.K1 = 41, config.K2 = -2, config.K3 = 15, config.K4 = 16, config.K5 = 7;
    Apply(config);

    const std::vector<Bytes> payloads = Payloads();
    ASSERT_EQ(payloads.size(), 13u);
    EXPECT_EQ(payloads[0], (Bytes{0x10, 1, 10, 0}));
    EXPECT_EQ(payloads[1], (Bytes{0x10, 3, 0, 0}));
    EXPECT_EQ(payloads[2], (Bytes{0x10, 2, 0xFE, 0}));
    EXPECT_EQ(payloads[3], (Bytes{0x10, 4, 11, 0}));
    EXPECT_EQ(payloads[4], (Bytes{0x10, 5, 12, 0}));
    EXPECT_EQ(payloads[5], (Bytes{0x10, 6, 0, 0}));
    EXPECT_EQ(session.applied.MirrorsUsbSpeed, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(session.applied.MirrorsDpiLevel, (std::array<bool, 6>{false, false, false, true, true, false}));
}

TEST_F(ApplyConfigurationTest, FlagsOfAnEarlierApplyAreCleared) {
    ConnectMouse(8);
    Apply(FactoryDefaults());
    settings::MouseConfig config = FactoryDefaults();
    config.K5 = 1;
    config.K0 = 14;
    Apply(config);
    EXPECT_EQ(session.applied.MirrorsDpiLevel, (std::array<bool, 6>{}));
    EXPECT_EQ(session.applied.MirrorsUsbSpeed, (std::array<bool, 6>{true, false, false, false, false, false}));
}

TEST_F(ApplyConfigurationTest, DpiLevelsCarryTheActiveLevelAndEnableMask) {
    ConnectMouse(8);
    settings::MouseConfig config = FactoryDefaults();
    config.DPI_SET_EN0 = true, config.DPI_SET_EN1 = false, config.DPI_SET_EN2 = true, config.DPI_SET_EN3 = false;
    config.DPI_LEVEL = 2;
    config.WHEEL_STATUS = 0x101;
    Apply(config);

    const std::vector<Bytes> payloads = Payloads();
    EXPECT_EQ(payloads[6], (Bytes{0x11, 0x01, 0x00, 0x00}));
    EXPECT_EQ(payloads[7], (Bytes{0x09, 0x42, 0x48, 0x05}));
    EXPECT_EQ(payloads[8], (Bytes{0x09, 0x42, 0x69, 0x05}));
    EXPECT_EQ(payloads[9], (Bytes{0x09, 0x42, 0x7A, 0x05}));
    EXPECT_EQ(payloads[10], (Bytes{0x09, 0x42, 0xBB, 0x05}));
}

TEST_F(ApplyConfigurationTest, ValuesOutsideTheDpiAndLedTablesAreSentAsZero) {
    ConnectMouse(8);
    settings::MouseConfig config = FactoryDefaults();
    config.DPI_SET0 = 12, config.DPI_SET1 = 255, config.DPI_SET2 = 11, config.DPI_SET3 = 0;
    config.LED_STATUS = 4;
    Apply(config);

    const std::vector<Bytes> payloads = Payloads();
    EXPECT_EQ(payloads[7][2], 0x18);
    EXPECT_EQ(payloads[8][2], 0x19);
    EXPECT_EQ(payloads[9][2], 0xFA);
    EXPECT_EQ(payloads[10][2], 0x1B);
    EXPECT_EQ(payloads[11], (Bytes{0x13, 0x7F, 0x10, 0x0F}));
    EXPECT_EQ(session.applied.SentDpiCodes, (std::array<std::uint8_t, 4>{1, 1, 15, 1}));
    EXPECT_EQ(session.applied.AppliedLedMode, 4);
}

TEST_F(ApplyConfigurationTest, LedModesUseTheLedCodeTable) {
    ConnectMouse(8);
    const std::uint8_t expected[] = {0x10, 0x13, 0x16, 0x17};
    for (std::uint8_t led = 0; led < 4; ++led) {
        hid.ClearFeatureReports();
        settings::MouseConfig config = FactoryDefaults();
        config.LED_STATUS = led;
        Apply(config);
        EXPECT_EQ(Payloads()[11], (Bytes{0x13, 0x7F, expected[led], 0x0F})) << "LED_STATUS " << int{led};
        EXPECT_EQ(session.applied.AppliedLedMode, led);
    }
}

TEST_F(ApplyConfigurationTest, FireTimeGoesOutInEightMillisecondUnitsHighByteFirst) {
    ConnectMouse(8);
    const struct {
        std::int32_t fireTime;
        Bytes bytes;
    } cases[] = {{50, {0x00, 0x06}}, {300, {0x00, 0x25}}, {7, {0x00, 0x00}}, {70000, {0x22, 0x2E}}};
    for (const auto& c : cases) {
        hid.ClearFeatureReports();
        settings::MouseConfig config = FactoryDefaults();
        config.FIRE_TIME = c.fireTime;
        Apply(config);
        const Bytes last = Sent().back();
        EXPECT_EQ(Bytes(last.begin() + 1, last.end()), (Bytes{0x12, c.bytes[0], c.bytes[1], 0, 0, 0, 0}))
            << "FIRE_TIME " << c.fireTime;
    }
}

TEST_F(ApplyConfigurationTest, SystemSettingsFollowTheConfiguration) {
    ConnectMouse(8);
    settings::MouseConfig config = FactoryDefaults();
    config.DPI_SPEED = 9;
    config.WHEEL_SPEED = 9;
    Apply(config);
    config.DPI_SPEED = 4;
    config.WHEEL_SPEED = 255;  // 8-bit arithmetic: 0 lines
    Apply(config);
    EXPECT_EQ(fakes.systemSettings.mouseSpeedSets, (std::vector<int>{18, 8}));
    EXPECT_EQ(fakes.systemSettings.wheelLinesSets, (std::vector<unsigned>{10, 0}));
}

TEST_F(ApplyConfigurationTest, AFailedSystemQueryLeavesThatSettingAlone) {
    ConnectMouse(8);
    fakes.systemSettings.getMouseSpeedFails = true;
    Apply(FactoryDefaults());
    EXPECT_TRUE(fakes.systemSettings.mouseSpeedSets.empty());
    EXPECT_EQ(fakes.systemSettings.wheelLinesSets, (std::vector<unsigned>{3}));

    fakes.systemSettings.getMouseSpeedFails = false;
    fakes.systemSettings.getWheelLinesFails = true;
    Apply(FactoryDefaults());
    EXPECT_EQ(fakes.systemSettings.mouseSpeedSets, (std::vector<int>{8}));
    EXPECT_EQ(fakes.systemSettings.wheelLinesSets.size(), 1u);
}

TEST_F(ApplyConfigurationTest, ASettingTheSystemDoesNotHaveIsLeftAloneWithoutAWord) {
    ConnectMouse(8);
    fakes.systemSettings.hasMouseSpeed = false;
    fakes.systemSettings.hasWheelLines = false;
    fakes.systemSettings.getMouseSpeedFails = true;
    fakes.systemSettings.getWheelLinesFails = true;
    Apply(FactoryDefaults());
    Apply(FactoryDefaults());
    EXPECT_TRUE(fakes.systemSettings.mouseSpeedSets.empty());
    EXPECT_TRUE(fakes.systemSettings.wheelLinesSets.empty());
    EXPECT_TRUE(fakes.diagnostics.Lines().empty());
}

TEST_F(ApplyConfigurationTest, SettingsFileGetsCurConfigTheAppliedCopyAndTheCurrentSection) {
    ConnectMouse(8);
    settings::MouseConfig config = FactoryDefaults();
    config.K2 = 41;
    config.FIRE_TIME = 120;
    Apply(config);

    EXPECT_EQ(Profile("Init", "CurConfig"), "3");
    EXPECT_EQ(Profile("Config6", "K2"), "41");
    EXPECT_EQ(Profile("Config6", "FIRE_TIME"), "120");
    EXPECT_EQ(Profile("Config3", "K2"), "41");
    EXPECT_EQ(Profile("Config3", "DPI_SET3"), "8");
    // Written in that order: each new section is appended after the last.
    const std::string text = *fakes.files.GetFile(kConfigPath);
    const auto init = text.find("[Init]");
    const auto applied = text.find("[Config6]");
    const auto own = text.find("[Config3]");
    ASSERT_NE(own, std::string::npos);
    EXPECT_LT(init, applied);
    EXPECT_LT(applied, own);
}

TEST_F(ApplyConfigurationTest, WithoutTheMouseSettingsAreStillWrittenAndSet) {
    Apply(FactoryDefaults());

    EXPECT_TRUE(hid.FeatureReports().empty());
    EXPECT_EQ(Profile("Init", "CurConfig"), "3");
    EXPECT_EQ(Profile("Config6", "K5"), "6");
    EXPECT_EQ(Profile("Config3", "K5"), "6");
    EXPECT_EQ(fakes.systemSettings.mouseSpeedSets, (std::vector<int>{8}));
    EXPECT_EQ(fakes.systemSettings.wheelLinesSets, (std::vector<unsigned>{3}));
    EXPECT_EQ(fakes.window.invalidateCount, 1);
    // The results of the apply are still recorded for the colour page.
    EXPECT_EQ(session.applied.SentDpiCodes, (std::array<std::uint8_t, 4>{4, 6, 7, 11}));
}

TEST_F(ApplyConfigurationTest, RejectedReportsDoNotStopTheSequence) {
    ConnectMouse(8);
    hid.setFeatureFails = true;
    Apply(FactoryDefaults());
    EXPECT_EQ(hid.FeatureReports().size(), 13u);
    EXPECT_EQ(Profile("Config3", "K0"), "1");
}

TEST_F(ApplyConfigurationTest, BytesBeyondThoseACommandWritesCarryOver) {
    ConnectMouse(9);
    // What an earlier run-time report left in the shared buffer.
    for (std::size_t i = 2; i <= 8; ++i) session.ReportBuffer[i] = 0xA5;
    Apply(FactoryDefaults());

    const std::vector<Bytes> sent = Sent();
    ASSERT_EQ(sent.size(), 13u);
    for (const Bytes& report : sent) ASSERT_EQ(report.size(), 9u);
    EXPECT_EQ(sent[0], (Bytes{7, 0x10, 1, 1, 0xA5, 0xA5, 0xA5, 0xA5, 0xA5}));
    EXPECT_EQ(sent[6], (Bytes{7, 0x11, 0, 0, 0xA5, 0xA5, 0xA5, 0xA5, 0xA5}));
    EXPECT_EQ(sent[7], (Bytes{7, 0x09, 0x40, 0x48, 0x0F, 0xA5, 0xA5, 0xA5, 0xA5}));
    EXPECT_EQ(sent[11], (Bytes{7, 0x13, 0x7F, 0x10, 0x0F, 0xA5, 0xA5, 0xA5, 0xA5}));
    EXPECT_EQ(sent[12], (Bytes{7, 0x12, 0, 6, 0, 0, 0, 0, 0xA5}));
}

class DriverExitTest : public ApplyConfigurationTest {};

TEST_F(DriverExitTest, SentOnlyWhileTheWriteChannelIsOpen) {
    session.ReportBuffer[4] = 0x33;
    SendDriverExit(session, ReportSink{hid, fakes.diagnostics});
    EXPECT_TRUE(hid.FeatureReports().empty());
    EXPECT_EQ(session.ReportBuffer[0], 0);

    ConnectMouse(8);
    SendDriverExit(session, ReportSink{hid, fakes.diagnostics});
    ASSERT_EQ(hid.FeatureReports().size(), 1u);
    EXPECT_EQ(hid.FeatureReports()[0].bytes, (Bytes{7, 0x20, 0, 0, 0x33, 0, 0, 0}));
    EXPECT_TRUE(fakes.diagnostics.Lines().empty());

    hid.setFeatureFails = true;
    SendDriverExit(session, ReportSink{hid, fakes.diagnostics});
    EXPECT_EQ(fakes.diagnostics.Lines(),
              std::vector<std::string>{"feature report 07 20 00 00 not sent: the mouse refused it"});
}

TEST_F(DriverExitTest, AFailedWriteChannelSendsNothing) {
    hid.interfaces = {
        FakeInterface{"read", HidAttributes{0x18F8, 0x1286}, HidCaps{0xFF00, 1, 8, 0}},
        FakeInterface{"write", HidAttributes{0x18F8, 0x1286}, HidCaps{0xFF01, 1, 0, 8}},
    };
    hid.interfaces[1].writeOpenFails = true;
    ASSERT_TRUE(FindMouse(session, hid));
    SendDriverExit(session, ReportSink{hid, fakes.diagnostics});
    Apply(FactoryDefaults());
    EXPECT_TRUE(hid.FeatureReports().empty());
}

}  // namespace
}  // namespace vx::device
