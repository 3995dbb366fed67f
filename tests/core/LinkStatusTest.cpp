#include <gtest/gtest.h>

#include "core/link/LinkStatus.h"

using namespace rovik;

TEST(LinkStatus, TextsAndUnknownCodes) {
    EXPECT_STREQ(LinkStatusText(LinkStatus::PortFailure), "PC Port Failure");
    EXPECT_STREQ(LinkStatusText(LinkStatus::AddressNotFound), "Failed to Find IP Address");
    EXPECT_STREQ(LinkStatusText(static_cast<LinkStatus>(14)), "Error");
}
