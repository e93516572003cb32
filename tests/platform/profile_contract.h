#pragma once
// Behaviour every ProfileFiles implementation must show. The cases live in
// profile_contract_tests.cpp; each build instantiates them with the
// implementations it has (natively the portable one, under Windows also the
// system's own profile functions).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/profile_files.h"

namespace vx::platform::test_support {

// One implementation under test plus raw access to the files it works on.
class ProfileFixture {
public:
    virtual ~ProfileFixture() = default;
    virtual ProfileFiles& Profiles() = 0;
    // The path to hand to the profile calls for a file called `name`.
    virtual std::string Path(const std::string& name) = 0;
    virtual void Put(const std::string& name, const std::string& bytes) = 0;
    virtual std::optional<std::string> Get(const std::string& name) = 0;
    // Sets or clears the file's read-only attribute (its write permissions).
    virtual void SetReadOnly(const std::string& name, bool readOnly) = 0;
    // False where the system under the implementation lets the process
    // write read-only files anyway (Wine run by root).
    virtual bool RefusesReadOnlyFiles() const { return true; }
};

struct ProfileImplementation {
    std::string name;
    std::function<std::unique_ptr<ProfileFixture>()> make;
};

inline void PrintTo(const ProfileImplementation& impl, std::ostream* os) { *os << impl.name; }

inline std::string ImplementationName(const ::testing::TestParamInfo<ProfileImplementation>& info) {
    return info.param.name;
}

class ProfileContract : public ::testing::TestWithParam<ProfileImplementation> {
protected:
    void SetUp() override { fixture_ = GetParam().make(); }
    void TearDown() override { fixture_.reset(); }

    ProfileFiles& profiles() { return fixture_->Profiles(); }
    std::string Path(const std::string& name) { return fixture_->Path(name); }
    void Put(const std::string& name, const std::string& bytes) { fixture_->Put(name, bytes); }
    std::optional<std::string> Get(const std::string& name) { return fixture_->Get(name); }
    void SetReadOnly(const std::string& name, bool readOnly) { fixture_->SetReadOnly(name, readOnly); }
    bool RefusesReadOnlyFiles() const { return fixture_->RefusesReadOnlyFiles(); }

private:
    std::unique_ptr<ProfileFixture> fixture_;
};

}  // namespace vx::platform::test_support
