#pragma once
// Where the file readers tell the user about a file they cannot use (a
// modal box on the main window in the program; a list in the tests).
#include <string>

namespace vx::platform {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shown with the application's name as its caption.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace vx::platform
