// ctlsend: sends one line as it is to the running program's control pipe,
// past vx230ctl's own checks, and prints the answer line (the end-to-end
// tests' way to send bad and oversized requests).
//   ctlsend.exe LINE          the line
//   ctlsend.exe --long N      N letters 'a' as one line
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_control_pipe.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    std::string line = vx::platform::Narrow(argv[1]);
    if (line == "--long" && argc == 3) line = std::string(std::wcstoul(argv[2], nullptr, 10), 'a');
    const vx::platform::PipeExchange exchange = vx::platform::ExchangeOverControlPipe(line);
    if (exchange.outcome != vx::platform::PipeOutcome::Answered) {
        std::cout << "no answer: " << exchange.text << "\n";
        return 2;
    }
    std::cout << exchange.text << "\n";
    return 0;
}
