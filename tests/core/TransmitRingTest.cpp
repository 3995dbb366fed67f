#include <gtest/gtest.h>

#include "PtyLink.h"

using namespace rovik;

TEST(TransmitRing, RefusesTheByteThatWouldOverflowItAndQueuesACommandWholeOrNotAtAll) {
    test::TestLink parts(UniqueBlock());
    for (int i = 0; i < 199; ++i)
        EXPECT_TRUE(parts.link.QueueByte('x'));
    EXPECT_FALSE(parts.link.QueueByte('y'));
    EXPECT_EQ(parts.link.QueuedByteCount(), 199u);
    test::TestLink commands(UniqueBlock());
    ASSERT_TRUE(commands.link.QueueString(std::string(190, 'x')));
    EXPECT_FALSE(commands.link.QueueString("M000101\n\r\n"));
    EXPECT_TRUE(commands.link.QueueString("M000101\n\r"));
    EXPECT_EQ(commands.link.QueuedByteCount(), 199u);
}
