#include <gtest/gtest.h>

#include "core/app/MainTick.h"

using namespace rovik;

TEST(MainTick, StepsComeOnTheEleventhAndFiftyFirstTicksThenEveryTenAndFifty) {
    MainTick tick;
    std::vector<int> seconds;
    std::vector<int> fives;
    for (int n = 1; n <= 101; ++n) {
        MainTick::Due due = tick.Advance();
        if (due.oneSecond) {
            seconds.push_back(n);
        }
        if (due.fiveSeconds) {
            fives.push_back(n);
        }
    }
    EXPECT_EQ(seconds, (std::vector<int>{11, 21, 31, 41, 51, 61, 71, 81, 91, 101}));
    EXPECT_EQ(fives, (std::vector<int>{51, 101}));
}
