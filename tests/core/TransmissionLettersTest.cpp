#include <gtest/gtest.h>

#include "core/panels/TransmissionLetters.h"
#include "support/FramedLink.h"

using namespace rovik;
using namespace rovik::test;

TEST(TransmissionLetters, AreUnknownUntilReportedAndAskForAPaintOnlyWhenTheyChange) {
    FramedLink j1587(ConnectionType::Vx100Serial);
    TransmissionLetters letters;
    EXPECT_TRUE(letters.Update(j1587.parts.values));
    letters.Drawn();
    EXPECT_FALSE(letters.Update(j1587.parts.values));
    // A control character means nothing to the driver.
    j1587.FeedFrame({130, 162, 'D', ' ', 163, 0x07, ' '});
    EXPECT_TRUE(letters.Update(j1587.parts.values));
    EXPECT_EQ(std::string({letters.Selected(), letters.Attained()}), "D?");
    letters.Drawn();
    EXPECT_FALSE(letters.Update(j1587.parts.values));
}
