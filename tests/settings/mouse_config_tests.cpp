#include <gtest/gtest.h>

#include "settings/mouse_config.h"

namespace vx::settings {
namespace {

TEST(MouseConfigAccess, ButtonAndLevelAccessorsReachTheNamedFields) {
    MouseConfig config;
    for (int i = 0; i < 6; ++i) config.Button(i) = 10 + i;
    EXPECT_EQ(config.K0, 10);
    EXPECT_EQ(config.K5, 15);
    config.DpiSet(2) = 7;
    config.DpiEnabled(3) = true;
    EXPECT_EQ(config.DPI_SET2, 7);
    EXPECT_TRUE(config.DPI_SET_EN3);
    EXPECT_FALSE(config.DPI_SET_EN0);
}

}  // namespace
}  // namespace vx::settings
