#pragma once
// The whole program over one platform backend: owns the state and the
// subsystems. A backend's entry point builds a Platform and calls
// InitInstance; tests build a Program over doubles.
#include <memory>

#include "platform/platform.h"

namespace vx::app {

struct AppState;

class Program {
public:
    explicit Program(platform::Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The application entry: single instance, then the main window runs
    // modally. Always false, so the process ends when it returns.
    bool InitInstance();

    AppState& state();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vx::app
