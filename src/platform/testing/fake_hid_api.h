#pragma once
// A scripted HID layer for tests: a list of interfaces with their
// attributes and capabilities, opens that can be made to fail, a log of
// every call, the feature reports written and a queue of input reports.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/hid.h"

namespace vx::platform::testing {

struct FakeInterface {
    std::string path;
    std::optional<HidAttributes> attributes;  // nothing: the query fails
    std::optional<HidCaps> caps;              // nothing: the query fails
    bool enumerationFails = false;
    bool queryOpenFails = false;
    bool readOpenFails = false;
    bool writeOpenFails = false;
};

struct SentFeatureReport {
    HidHandle handle = kInvalidHidHandle;
    std::vector<std::uint8_t> bytes;
};

class FakeHidApi : public HidApi {
public:
    // The interfaces present, in the system's order.
    std::vector<FakeInterface> interfaces;
    bool setFeatureFails = false;

    void BeginEnumeration() override;
    std::optional<std::string> InterfacePath(int index) override;
    void EndEnumeration() override;
    HidHandle Open(const std::string& path, HidAccess access) override;
    void Close(HidHandle handle) override;
    std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
    std::optional<HidCaps> GetCaps(HidHandle handle) override;
    void RegisterForNotifications() override;
    bool SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) override;
    bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t length) override;

    // Makes a pending or later ReadInput return this report.
    void QueueInput(std::vector<std::uint8_t> report);
    // Makes every blocked and later ReadInput fail.
    void FailReads();

    // Observations (thread safe copies).
    std::vector<std::string> Calls() const;
    std::vector<SentFeatureReport> FeatureReports() const;
    void ClearFeatureReports();
    int RegistrationCount() const;
    std::vector<int> EnumeratedIndices() const;
    // Handles opened and not closed again, with their access.
    std::map<HidHandle, HidAccess> OpenHandles() const;
    std::string PathOf(HidHandle handle) const;
    bool EnumerationActive() const;

private:
    struct OpenHandle {
        std::string path;
        HidAccess access = HidAccess::Query;
    };
    const FakeInterface* FindByPath(const std::string& path) const;

    mutable std::mutex mutex_;
    std::condition_variable inputArrived_;
    std::deque<std::vector<std::uint8_t>> inputs_;
    bool readsFail_ = false;
    bool enumerating_ = false;
    HidHandle nextHandle_ = 100;
    std::map<HidHandle, OpenHandle> handles_;
    std::vector<std::string> calls_;
    std::vector<SentFeatureReport> featureReports_;
    std::vector<int> enumerated_;
    int registrations_ = 0;
};

}  // namespace vx::platform::testing
