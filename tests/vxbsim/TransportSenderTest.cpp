#include <gtest/gtest.h>

#include "vxbsim/TransportSender.h"

using namespace vxbsim;

TEST(TransportSender, RefusesWhatFitsOneFrameOrExceedsTheProtocol) {
    EXPECT_TRUE(TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(8)).empty());
    EXPECT_TRUE(TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(1786)).empty());
    auto short9 = TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(9, 7));
    ASSERT_EQ(short9.size(), 3u);
    EXPECT_EQ(short9[2].data, (std::array<std::uint8_t, 8>{2, 7, 7, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    auto longest = TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(1785, 7));
    ASSERT_EQ(longest.size(), 256u);
    EXPECT_EQ(longest[0].data[3], 255);
    EXPECT_EQ(longest.back().data[0], 255);
}
