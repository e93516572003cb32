#pragma once
// Every button-function code in one table: what the program does for it,
// what the mouse is told, and which slot of its kind it names (consumer key,
// constant or user macro). Every caller classifies a code through here.
#include <array>
#include <cstdint>

namespace vx::device {

enum class ButtonFunctionKind {
    NoFunction,
    MouseFunction,  // carried out by the mouse itself
    DpiChange,
    UsbSpeedStep,
    ConsumerKey,
    ConstantMacro,
    StartCalculator,
    StartCommandPrompt,
    UserMacro,
};

// A run of consecutive codes of one kind. `firstDeviceCode` is what the
// mouse is told for the run's first code (the run's codes count up from
// it); 0 when the mouse is told 0 and the program carries the code out.
struct ButtonFunctionRun {
    std::int32_t first;
    std::int32_t last;
    ButtonFunctionKind kind;
    std::uint8_t firstDeviceCode;
};

inline constexpr std::array<ButtonFunctionRun, 11> kButtonFunctionRuns{{
    {1, 5, ButtonFunctionKind::MouseFunction, 1},  // left, right, middle, back, forward
    {6, 6, ButtonFunctionKind::DpiChange, 6},
    {11, 13, ButtonFunctionKind::MouseFunction, 7},  // rapid fire, double and triple click
    {14, 14, ButtonFunctionKind::UsbSpeedStep, 10},
    {15, 16, ButtonFunctionKind::DpiChange, 11},  // DPI up, DPI down
    {17, 17, ButtonFunctionKind::MouseFunction, 13},
    {21, 30, ButtonFunctionKind::ConsumerKey, 0},
    {31, 38, ButtonFunctionKind::ConstantMacro, 0},
    {39, 39, ButtonFunctionKind::StartCalculator, 0},
    {40, 40, ButtonFunctionKind::StartCommandPrompt, 0},
    {41, 52, ButtonFunctionKind::UserMacro, 0},
}};

// A code's kind and its place in its run (the consumer key, constant macro
// or user macro slot). Codes in no run are NoFunction with slot 0.
struct ButtonFunction {
    ButtonFunctionKind kind = ButtonFunctionKind::NoFunction;
    int slot = 0;
    std::uint8_t deviceCode = 0;
    friend bool operator==(const ButtonFunction&, const ButtonFunction&) = default;
};

constexpr ButtonFunction ClassifyButtonFunction(std::int32_t code) {
    for (const ButtonFunctionRun& run : kButtonFunctionRuns) {
        if (code < run.first || code > run.last) continue;
        const int slot = code - run.first;
        const auto device = run.firstDeviceCode == 0 ? 0 : run.firstDeviceCode + slot;
        return {run.kind, slot, static_cast<std::uint8_t>(device)};
    }
    return {};
}

// The code of slot `slot` of the first run of `kind` (user macro 0 is 41).
constexpr std::int32_t ButtonFunctionCode(ButtonFunctionKind kind, int slot) {
    for (const ButtonFunctionRun& run : kButtonFunctionRuns) {
        if (run.kind == kind) return run.first + slot;
    }
    return 0;
}

}  // namespace vx::device
