#include <gtest/gtest.h>

#include "core/tires/TireReceiverWatch.h"

using namespace rovik;

// Each tick's state by its first letter: heard at the second tick, silent from the third.
TEST(TireReceiverWatch, DisconnectedUntilHeardThenAnErrorAfterTenSilentTicks) {
    TireReceiverWatch watch;
    std::string seen;
    for (std::uint32_t count : {0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4}) {
        seen += watch.Update(count)[0];
    }
    EXPECT_EQ(seen, "DOOOOOOOOOOOEO");
}
