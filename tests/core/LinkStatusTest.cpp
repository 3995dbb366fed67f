#include <gtest/gtest.h>

#include "core/link/LinkStatus.h"

using namespace rovik;

TEST(LinkStatus, TextsAndUnknownCodes) {
    EXPECT_STREQ(LinkStatusText(4), "PC Port Failure");
    EXPECT_STREQ(LinkStatusText(11), "Failed to Find IP Address");
    EXPECT_STREQ(LinkStatusText(14), "Error");
}
