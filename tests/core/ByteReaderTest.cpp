#include <gtest/gtest.h>

#include "core/io/ByteReader.h"

using namespace rovik;

TEST(ByteReader, StringsNeedTheirEndAndAFailureSticks) {
    std::string text;
    const std::vector<std::uint8_t> none;
    ByteReader empty(none);
    EXPECT_FALSE(empty.ReadCString(text));
    const std::vector<std::uint8_t> unended = {'A', 'B'};
    ByteReader cut(unended);
    EXPECT_FALSE(cut.ReadCString(text));
    const std::vector<std::uint8_t> bytes = {'A', 0, 7};
    ByteReader whole(bytes);
    EXPECT_TRUE(whole.ReadCString(text));
    EXPECT_EQ(text, "A");
    std::uint32_t word = 0;
    EXPECT_FALSE(whole.ReadU32(word));
    std::uint8_t byte = 0;
    EXPECT_FALSE(whole.ReadU8(byte));
}
