#include <gtest/gtest.h>

#include "core/app/CommandLine.h"
#include "core/app/MainTick.h"
#include "core/link/LinkStatus.h"

using namespace rovik;

TEST(CommandLine, DemoSwitchIsFoundInAnyCaseAndEndsAtASpaceKeepingThePathsCase) {
    CommandLine line("rovik DEMO=/home/Ann/Trip.rvk /other");
    EXPECT_EQ(line.DemoSource(), "/home/Ann/Trip.rvk");
    EXPECT_EQ(CommandLine("rovik demo=").DemoSource(), "");
    EXPECT_FALSE(CommandLine("rovik").DemoSource());
}

TEST(MainTick, StepsComeOnTheEleventhAndFiftyFirstTicksThenEveryTenAndFifty) {
    MainTick tick;
    std::vector<int> seconds;
    std::vector<int> fives;
    for (int n = 1; n <= 101; ++n) {
        MainTick::Due due = tick.Advance();
        if (due.oneSecond)
            seconds.push_back(n);
        if (due.fiveSeconds)
            fives.push_back(n);
    }
    EXPECT_EQ(seconds.front(), 11);
    EXPECT_EQ(seconds[1], 21);
    EXPECT_EQ(fives, (std::vector<int>{51, 101}));
}

TEST(LinkStatus, TextsAndUnknownCodes) {
    EXPECT_STREQ(LinkStatusText(LinkStatus::PortFailure), "PC Port Failure");
    EXPECT_STREQ(LinkStatusText(LinkStatus::AddressNotFound), "Failed to Find IP Address");
    EXPECT_STREQ(LinkStatusText(static_cast<LinkStatus>(14)), "Error");
}
