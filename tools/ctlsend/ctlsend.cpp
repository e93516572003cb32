// ctlsend: sends one line as it is to the running program's control pipe,
// past vx230ctl's own checks, and prints the answer line (the end-to-end
// tests' way to send bad and oversized requests); or prints who may open
// the pipe.
//   ctlsend.exe LINE          the line
//   ctlsend.exe --long N      N letters 'a' as one line
//   ctlsend.exe --dacl        "dacl=<the pipe's DACL>" and "user=<our SID>"
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_control_pipe.h"

namespace {

int PrintDacl() {
    HANDLE pipe = CreateFileW(vx::platform::ControlPipeName().c_str(), GENERIC_READ | READ_CONTROL, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return 2;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL dacl = nullptr;
    LPWSTR sddl = nullptr;
    int code = 3;
    if (GetSecurityInfo(pipe, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                        &descriptor) == ERROR_SUCCESS &&
        ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &sddl, nullptr)) {
        std::cout << "dacl=" << vx::platform::Narrow(sddl)
                  << "\nuser=" << vx::platform::Narrow(vx::platform::CurrentUserSid()) << "\n";
        LocalFree(sddl);
        code = 0;
    }
    if (descriptor != nullptr) LocalFree(descriptor);
    CloseHandle(pipe);
    return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    std::string line = vx::platform::Narrow(argv[1]);
    if (line == "--dacl") return PrintDacl();
    if (line == "--long" && argc == 3) line = std::string(std::wcstoul(argv[2], nullptr, 10), 'a');
    const vx::platform::ControlExchange exchange = vx::platform::ExchangeOverControlPipe(line);
    if (exchange.outcome != vx::platform::ControlExchange::Outcome::Answered) {
        std::cout << "no answer: " << exchange.text << "\n";
        return 2;
    }
    std::cout << exchange.text << "\n";
    return 0;
}
