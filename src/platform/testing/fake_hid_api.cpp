#include "platform/testing/fake_hid_api.h"

#include <algorithm>

namespace vx::platform::testing {

namespace {
const char* AccessName(HidAccess access) {
    switch (access) {
        case HidAccess::Query: return "Query";
        case HidAccess::Read: return "Read";
        case HidAccess::Write: return "Write";
    }
    return "?";
}
}  // namespace

void FakeHidApi::BeginEnumeration() {
    std::lock_guard lock(mutex_);
    enumerating_ = true;
    calls_.push_back("BeginEnumeration");
}

std::optional<std::string> FakeHidApi::InterfacePath(int index) {
    std::lock_guard lock(mutex_);
    calls_.push_back("InterfacePath " + std::to_string(index));
    enumerated_.push_back(index);
    if (index < 0 || static_cast<std::size_t>(index) >= interfaces.size()) return std::nullopt;
    const FakeInterface& item = interfaces[static_cast<std::size_t>(index)];
    if (item.enumerationFails) return std::nullopt;
    return item.path;
}

void FakeHidApi::EndEnumeration() {
    std::lock_guard lock(mutex_);
    enumerating_ = false;
    calls_.push_back("EndEnumeration");
}

const FakeInterface* FakeHidApi::FindByPath(const std::string& path) const {
    for (const FakeInterface& item : interfaces) {
        if (item.path == path) return &item;
    }
    return nullptr;
}

HidHandle FakeHidApi::Open(const std::string& path, HidAccess access) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::string("Open ") + AccessName(access) + " " + path);
    const FakeInterface* item = FindByPath(path);
    if (item == nullptr) return kInvalidHidHandle;
    const bool fails = (access == HidAccess::Query && item->queryOpenFails) ||
                       (access == HidAccess::Read && item->readOpenFails) ||
                       (access == HidAccess::Write && item->writeOpenFails);
    if (fails) return kInvalidHidHandle;
    const HidHandle handle = nextHandle_++;
    handles_[handle] = OpenHandle{path, access};
    return handle;
}

void FakeHidApi::Close(HidHandle handle) {
    std::lock_guard lock(mutex_);
    calls_.push_back("Close " + std::to_string(handle));
    handles_.erase(handle);
}

std::optional<HidAttributes> FakeHidApi::GetAttributes(HidHandle handle) {
    std::lock_guard lock(mutex_);
    calls_.push_back("GetAttributes " + std::to_string(handle));
    auto found = handles_.find(handle);
    if (found == handles_.end()) return std::nullopt;
    const FakeInterface* item = FindByPath(found->second.path);
    return item ? item->attributes : std::nullopt;
}

std::optional<HidCaps> FakeHidApi::GetCaps(HidHandle handle) {
    std::lock_guard lock(mutex_);
    calls_.push_back("GetCaps " + std::to_string(handle));
    auto found = handles_.find(handle);
    if (found == handles_.end()) return std::nullopt;
    const FakeInterface* item = FindByPath(found->second.path);
    return item ? item->caps : std::nullopt;
}

void FakeHidApi::RegisterForNotifications() {
    std::lock_guard lock(mutex_);
    calls_.push_back("RegisterForNotifications");
    ++registrations_;
}

bool FakeHidApi::SetFeature(HidHandle handle, const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    calls_.push_back("SetFeature " + std::to_string(handle));
    featureReports_.push_back(SentFeatureReport{handle, std::vector<std::uint8_t>(data, data + length)});
    return !setFeatureFails;
}

bool FakeHidApi::ReadInput(HidHandle /*handle*/, std::uint8_t* buffer, std::size_t length) {
    std::unique_lock lock(mutex_);
    inputArrived_.wait(lock, [this] { return readsFail_ || !inputs_.empty(); });
    if (inputs_.empty()) return false;
    std::vector<std::uint8_t> report = std::move(inputs_.front());
    inputs_.pop_front();
    std::fill(buffer, buffer + length, std::uint8_t{0});
    std::copy_n(report.begin(), std::min(length, report.size()), buffer);
    return true;
}

void FakeHidApi::QueueInput(std::vector<std::uint8_t> report) {
    {
        std::lock_guard lock(mutex_);
        inputs_.push_back(std::move(report));
    }
    inputArrived_.notify_all();
}

void FakeHidApi::FailReads() {
    {
        std::lock_guard lock(mutex_);
        readsFail_ = true;
    }
    inputArrived_.notify_all();
}

std::vector<std::string> FakeHidApi::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<SentFeatureReport> FakeHidApi::FeatureReports() const {
    std::lock_guard lock(mutex_);
    return featureReports_;
}

void FakeHidApi::ClearFeatureReports() {
    std::lock_guard lock(mutex_);
    featureReports_.clear();
}

int FakeHidApi::RegistrationCount() const {
    std::lock_guard lock(mutex_);
    return registrations_;
}

std::vector<int> FakeHidApi::EnumeratedIndices() const {
    std::lock_guard lock(mutex_);
    return enumerated_;
}

std::map<HidHandle, HidAccess> FakeHidApi::OpenHandles() const {
    std::lock_guard lock(mutex_);
    std::map<HidHandle, HidAccess> result;
    for (const auto& [handle, open] : handles_) result[handle] = open.access;
    return result;
}

std::string FakeHidApi::PathOf(HidHandle handle) const {
    std::lock_guard lock(mutex_);
    auto found = handles_.find(handle);
    return found == handles_.end() ? std::string() : found->second.path;
}

bool FakeHidApi::EnumerationActive() const {
    std::lock_guard lock(mutex_);
    return enumerating_;
}

}  // namespace vx::platform::testing
