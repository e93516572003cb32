// vx230ctl's line protocol over any bytes: a request line is refused with
// a reason or read into a request that is written back as a line reading
// the same; the hotkey combinations of [Hotkeys] likewise; an answer line
// is read or not, never more.
#include <string>

#include "app/control_protocol.h"
#include "app/hotkey_table.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx::app;
    const std::string line(reinterpret_cast<const char*>(data), size);

    const control::ParsedRequest parsed = control::ParseRequest(line);
    VX_FUZZ_CHECK(parsed.request.has_value() != !parsed.error.empty());
    if (parsed.request) {
        VX_FUZZ_CHECK(line.size() < control::kMaxLineBytes);
        const control::ParsedRequest again = control::ParseRequest(control::FormatRequest(*parsed.request));
        VX_FUZZ_CHECK(again.request.has_value());
        VX_FUZZ_CHECK(again.request->verb == parsed.request->verb);
        VX_FUZZ_CHECK(again.request->profile == parsed.request->profile);
        VX_FUZZ_CHECK(again.request->file == parsed.request->file);
        VX_FUZZ_CHECK(parsed.request->profile >= 0 && parsed.request->profile <= 5);
    }

    if (const auto answer = control::ParseAnswer(line)) {
        const auto again = control::ParseAnswer(control::FormatAnswer(*answer));
        VX_FUZZ_CHECK(again.has_value() && again->ok == answer->ok && again->values == answer->values);
    }

    const ParsedHotkey hotkey = ParseHotkey(line);
    if (hotkey.hotkey) {
        const ParsedHotkey again = ParseHotkey(HotkeyText(*hotkey.hotkey));
        VX_FUZZ_CHECK(again.hotkey.has_value() && *again.hotkey == *hotkey.hotkey);
    }
    return 0;
}
