#include <gtest/gtest.h>

#include "core/app/CommandLine.h"

using namespace rovik;

TEST(CommandLine, DemoSwitchIsFoundInAnyCaseAndEndsAtASpaceKeepingThePathsCase) {
    EXPECT_EQ(CommandLine("rovik DEMO=/home/Ann/Trip.rvk /other").DemoSource(),
              "/home/Ann/Trip.rvk");
    EXPECT_EQ(CommandLine("rovik demo=").DemoSource(), "");
    EXPECT_FALSE(CommandLine("rovik").DemoSource());
}
