#include "device/command_tables.h"

#include "device/button_functions.h"

#include <gtest/gtest.h>

namespace vx::device {
namespace {

TEST(CommandTablesTest, DeviceFunctionCodesFollowTheButtonFunctionTable) {
    struct Case {
        std::int32_t code;
        DeviceFunction expected;
    };
    const Case cases[] = {
        {0, {0, false, false}},         {1, {1, false, false}},    {5, {5, false, false}},
        {6, {6, true, false}},          {7, {0, false, false}},    {10, {0, false, false}},
        {11, {7, false, false}},        {13, {9, false, false}},   {14, {10, false, true}},
        {15, {11, true, false}},        {16, {12, true, false}},   {17, {13, false, false}},
        {18, {0, false, false}},        {21, {0, false, false}},   {41, {0, false, false}},
        {52, {0, false, false}},        {53, {0, false, false}},   {-1, {0xFF, false, false}},
        {-256, {0, false, false}},      {-255, {1, false, false}}, {INT32_MIN, {0, false, false}},
        {INT32_MAX, {0, false, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(DeviceFunctionOf(c.code), c.expected) << "code " << c.code;
}

TEST(CommandTablesTest, ButtonFunctionKinds) {
    using K = ButtonFunctionKind;
    const std::pair<std::int32_t, K> cases[] = {
        {-5, K::NoFunction},         {0, K::NoFunction},     {1, K::MouseFunction},  {5, K::MouseFunction},
        {6, K::DpiChange},           {7, K::NoFunction},     {10, K::NoFunction},    {11, K::MouseFunction},
        {13, K::MouseFunction},      {14, K::UsbSpeedStep},  {15, K::DpiChange},     {16, K::DpiChange},
        {17, K::MouseFunction},      {18, K::NoFunction},    {20, K::NoFunction},    {21, K::ConsumerKey},
        {30, K::ConsumerKey},        {31, K::ConstantMacro}, {38, K::ConstantMacro}, {39, K::StartCalculator},
        {40, K::StartCommandPrompt}, {41, K::UserMacro},     {52, K::UserMacro},     {53, K::NoFunction},
    };
    for (const auto& [code, kind] : cases) EXPECT_EQ(ClassifyButtonFunction(code).kind, kind) << "code " << code;
    // The slot is the code's place in its run: the macro or key it names.
    const std::pair<std::int32_t, int> slots[] = {{21, 0}, {30, 9}, {31, 0}, {38, 7}, {41, 0}, {52, 11}, {53, 0}};
    for (const auto& [code, slot] : slots) EXPECT_EQ(ClassifyButtonFunction(code).slot, slot) << "code " << code;
    EXPECT_EQ(ButtonFunctionCode(K::UserMacro, 11), 52);
}

TEST(CommandTablesTest, ConsumerUsagesOnlyForCodes21To30) {
    EXPECT_EQ(ConsumerUsageOf(21), 0x223);
    EXPECT_EQ(ConsumerUsageOf(24), 0xE9);
    EXPECT_EQ(ConsumerUsageOf(29), 0xCD);
    EXPECT_EQ(ConsumerUsageOf(30), 0x192);
    EXPECT_EQ(ConsumerUsageOf(20), std::nullopt);
    EXPECT_EQ(ConsumerUsageOf(31), std::nullopt);
    EXPECT_EQ(ConsumerUsageOf(INT32_MIN), std::nullopt);
}

TEST(CommandTablesTest, LookupsOutsideTheirTables) {
    EXPECT_EQ(DpiCodeOf(0), 1);
    EXPECT_EQ(DpiCodeOf(7), 9);
    EXPECT_EQ(DpiCodeOf(11), 15);
    EXPECT_EQ(DpiCodeOf(12), DpiCodeOf(0));
    EXPECT_EQ(DpiCodeOf(-1), DpiCodeOf(0));
    EXPECT_EQ(LedCodeOf(3), 7);
    EXPECT_EQ(LedCodeOf(4), 0);
    EXPECT_EQ(PointerSpeedOf(0), 1);
    EXPECT_EQ(PointerSpeedOf(8), 16);
    EXPECT_EQ(PointerSpeedOf(9), 18);
    EXPECT_EQ(PointerSpeedOf(255), 18);
    EXPECT_EQ(DpiValueOfCode(9), 2000);
    EXPECT_EQ(DpiValueOfCode(15), 4800);
    EXPECT_EQ(DpiValueOfCode(8), 0);
}

}  // namespace
}  // namespace vx::device
