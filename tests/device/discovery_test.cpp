#include "device/discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/device_session.h"
#include "macro/macro_store.h"
#include "platform/testing/fake_hid_api.h"
#include "settings/settings_store.h"

namespace vx::device {
namespace {

using platform::HidAccess;
using platform::HidAttributes;
using platform::HidCaps;
using platform::testing::FakeHidApi;
using platform::testing::FakeInterface;

constexpr HidAttributes kMouse{0x18F8, 0x1286};

FakeInterface MouseInterface(const std::string& path, std::uint16_t page, std::uint16_t usage,
                             std::uint16_t inputLength = 8, std::uint16_t featureLength = 8) {
    return FakeInterface{path, kMouse, HidCaps{page, usage, inputLength, featureLength}};
}

FakeInterface OtherDevice(const std::string& path) {
    return FakeInterface{path, HidAttributes{0x045E, 0x0750}, HidCaps{1, 2, 8, 0}};
}

const std::string kKeyboardPath = "\\\\?\\hid#vid_18f8&pid_1286&mi_00#7&aa&0&0000#{guid}";
const std::string kPointerPath = "\\\\?\\hid#vid_18f8&pid_1286&mi_01&col01#7&bb&0&0000#{guid}";
const std::string kReadPath = "\\\\?\\hid#vid_18f8&pid_1286&mi_01&col02#7&bb&0&0001#{guid}";
const std::string kWritePath = "\\\\?\\hid#vid_18f8&pid_1286&mi_01&col03#7&bb&0&0002#{guid}";

std::vector<FakeInterface> FourMouseInterfaces() {
    return {MouseInterface(kKeyboardPath, 0x0001, 6), MouseInterface(kPointerPath, 0x0001, 2),
            MouseInterface(kReadPath, 0xFF00, 1, 9, 0), MouseInterface(kWritePath, 0xFF01, 1, 0, 9)};
}

int CountCalls(const FakeHidApi& hid, const std::string& prefix) {
    int count = 0;
    for (const std::string& call : hid.Calls()) {
        if (call.rfind(prefix, 0) == 0) ++count;
    }
    return count;
}

class DiscoveryTest : public ::testing::Test {
protected:
    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    FakeHidApi hid;
};

TEST_F(DiscoveryTest, FourMouseInterfacesOpenBothChannelsAndStopAtTheWriteCollection) {
    hid.interfaces.push_back(OtherDevice("\\\\?\\hid#other#1"));
    for (const FakeInterface& item : FourMouseInterfaces()) hid.interfaces.push_back(item);
    hid.interfaces.push_back(MouseInterface("\\\\?\\hid#after", 0xFF00, 1));

    EXPECT_TRUE(FindMouse(session, hid));

    const DeviceLink& link = session.link;
    EXPECT_TRUE(link.MouseConnected);
    EXPECT_EQ(link.MouseDevicePath, kWritePath);
    EXPECT_EQ(hid.RegistrationCount(), 4);
    EXPECT_EQ(hid.EnumeratedIndices(), (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_EQ(link.ReadChannel.state, ChannelState::Open);
    ASSERT_EQ(link.WriteChannel.state, ChannelState::Open);
    EXPECT_EQ(hid.PathOf(link.ReadChannel.handle), kReadPath);
    EXPECT_EQ(hid.PathOf(link.WriteChannel.handle), kWritePath);
    EXPECT_EQ(link.ReadChannel.caps.inputReportLength, 9);
    EXPECT_EQ(link.WriteChannel.caps.featureReportLength, 9);

    // Only the two channels stay open; every query handle was closed.
    const auto open = hid.OpenHandles();
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open.at(link.ReadChannel.handle), HidAccess::Read);
    EXPECT_EQ(open.at(link.WriteChannel.handle), HidAccess::Write);
    EXPECT_FALSE(hid.EnumerationActive());

    const ReadEndpoint* endpoint = link.readEndpoint.load();
    ASSERT_NE(endpoint, nullptr);
    EXPECT_EQ(endpoint->handle, link.ReadChannel.handle);
    EXPECT_EQ(endpoint->inputReportLength, 9);
}

TEST_F(DiscoveryTest, NoMouseOrNoInterfacesReturnsFalse) {
    EXPECT_FALSE(FindMouse(session, hid));
    EXPECT_EQ(hid.EnumeratedIndices().size(), 100u);

    device::DeviceSession session_other;
    FakeHidApi others;
    others.interfaces = {OtherDevice("a"), OtherDevice("b")};
    EXPECT_FALSE(FindMouse(session_other, others));
    EXPECT_EQ(session_other.link.ReadChannel.state, ChannelState::Unopened);
    EXPECT_EQ(session_other.link.readEndpoint.load(), nullptr);
    EXPECT_EQ(others.RegistrationCount(), 0);
    EXPECT_TRUE(others.OpenHandles().empty());
}

TEST_F(DiscoveryTest, VendorCollectionWithUsageTwoOpensNoChannel) {
    hid.interfaces = {MouseInterface("usage2", 0xFF00, 2), MouseInterface("usage2w", 0xFF01, 2)};

    // The last interface belonged to the mouse, but no channel was opened.
    EXPECT_TRUE(FindMouse(session, hid));
    EXPECT_EQ(session.link.ReadChannel.state, ChannelState::Unopened);
    EXPECT_EQ(session.link.WriteChannel.state, ChannelState::Unopened);
    EXPECT_EQ(CountCalls(hid, "Open Read"), 0);
    EXPECT_EQ(CountCalls(hid, "Open Write"), 0);
    EXPECT_EQ(hid.EnumeratedIndices().size(), 100u);
}

TEST_F(DiscoveryTest, FailedOpensCountAsAttempted) {
    hid.interfaces = FourMouseInterfaces();
    hid.interfaces[2].readOpenFails = true;
    hid.interfaces.push_back(MouseInterface("never", 0xFF00, 1));

    EXPECT_TRUE(FindMouse(session, hid));
    EXPECT_EQ(session.link.ReadChannel.state, ChannelState::Failed);
    EXPECT_EQ(session.link.ReadChannel.handle, platform::kInvalidHidHandle);
    EXPECT_EQ(session.link.WriteChannel.state, ChannelState::Open);
    EXPECT_EQ(hid.EnumeratedIndices().size(), 4u);
    EXPECT_EQ(session.link.readEndpoint.load(), nullptr);
}

TEST_F(DiscoveryTest, LastEnumerableInterfaceDecidesWhenTheSearchRunsOut) {
    // Read channel opened, write collection missing: the search runs through
    // all indices and the result follows the last interface it could read.
    hid.interfaces = {MouseInterface(kReadPath, 0xFF00, 1), OtherDevice("other")};
    EXPECT_FALSE(FindMouse(session, hid));
    EXPECT_EQ(session.link.ReadChannel.state, ChannelState::Open);
    EXPECT_EQ(session.link.MouseDevicePath, kReadPath);

    device::DeviceSession session_second;
    FakeHidApi secondHid;
    secondHid.interfaces = {OtherDevice("other"), MouseInterface(kReadPath, 0xFF00, 1), OtherDevice("broken")};
    secondHid.interfaces[2].enumerationFails = true;
    EXPECT_TRUE(FindMouse(session_second, secondHid));
}

TEST_F(DiscoveryTest, InterfacesWhoseQueriesFailDoNotMatch) {
    hid.interfaces = {MouseInterface(kReadPath, 0xFF00, 1), MouseInterface("noattr", 0xFF01, 1),
                      MouseInterface("noquery", 0xFF01, 1), MouseInterface("nocaps", 0xFF01, 1)};
    hid.interfaces[1].attributes.reset();
    hid.interfaces[2].queryOpenFails = true;
    hid.interfaces[3].caps.reset();

    // The last one matches without a channel.
    EXPECT_TRUE(FindMouse(session, hid));
    EXPECT_EQ(session.link.MouseDevicePath, "nocaps");
    EXPECT_EQ(session.link.WriteChannel.state, ChannelState::Unopened);
    EXPECT_EQ(hid.RegistrationCount(), 2);
    EXPECT_EQ(hid.OpenHandles().size(), 1u);  // the read channel only
}

TEST_F(DiscoveryTest, InterfacesBeyondIndex99AreNeverExamined) {
    for (int i = 0; i < 100; ++i) hid.interfaces.push_back(OtherDevice("other" + std::to_string(i)));
    for (const FakeInterface& item : FourMouseInterfaces()) hid.interfaces.push_back(item);

    EXPECT_FALSE(FindMouse(session, hid));
    const std::vector<int> indices = hid.EnumeratedIndices();
    ASSERT_EQ(indices.size(), 100u);
    EXPECT_EQ(indices.back(), 99);
    EXPECT_EQ(hid.RegistrationCount(), 0);
    EXPECT_TRUE(hid.OpenHandles().empty());
}

TEST_F(DiscoveryTest, CollectionsWithReportsLongerThanTheBuffersCountAsNotFound) {
    hid.interfaces = {MouseInterface(kReadPath, 0xFF00, 1, 257, 0), MouseInterface(kWritePath, 0xFF01, 1, 0, 300),
                      MouseInterface("fits-read", 0xFF00, 1, 256, 0), MouseInterface("fits-write", 0xFF01, 1, 0, 256)};

    EXPECT_TRUE(FindMouse(session, hid));
    EXPECT_EQ(hid.PathOf(session.link.ReadChannel.handle), "fits-read");
    EXPECT_EQ(hid.PathOf(session.link.WriteChannel.handle), "fits-write");
    EXPECT_EQ(session.link.readEndpoint.load()->inputReportLength, 256);
}

TEST_F(DiscoveryTest, AnOpenChannelIsNotOpenedAgain) {
    hid.interfaces = {MouseInterface(kReadPath, 0xFF00, 1), MouseInterface("second-read", 0xFF00, 1),
                      MouseInterface(kWritePath, 0xFF01, 1)};

    EXPECT_TRUE(FindMouse(session, hid));
    EXPECT_EQ(CountCalls(hid, "Open Read"), 1);
    EXPECT_EQ(hid.PathOf(session.link.ReadChannel.handle), kReadPath);
    EXPECT_EQ(hid.OpenHandles().size(), 2u);
}

class NotificationTest : public DiscoveryTest {
protected:
    void SetUp() override {
        hid.interfaces = FourMouseInterfaces();
        ASSERT_TRUE(FindMouse(session, hid));
    }
};

TEST_F(NotificationTest, PathComparedWithoutRegardToCase) {
    std::string upper = kWritePath;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(IsMouseNotification(session.link, {true, kWritePath}));
    EXPECT_TRUE(IsMouseNotification(session.link, {true, upper}));
}

TEST_F(NotificationTest, OtherInterfacesAndOtherDeviceTypesAreNotTheMouse) {
    EXPECT_FALSE(IsMouseNotification(session.link, {true, kReadPath}));
    EXPECT_FALSE(IsMouseNotification(session.link, {true, kWritePath + "x"}));
    EXPECT_FALSE(IsMouseNotification(session.link, {false, kWritePath}));
}

TEST(NotificationWithoutMouseTest, NothingMatchesBeforeAMouseWasFound) {
    settings::SettingsStore settings;
    device::DeviceSession session;
    macro::MacroStore macros;
    EXPECT_FALSE(IsMouseNotification(session.link, {true, ""}));
}

}  // namespace
}  // namespace vx::device
