#include <gtest/gtest.h>

#include "Framing.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// A "JS" line with the fields at the positions the box uses.
std::string J1708Statistics(unsigned good, unsigned errors) {
    char line[64];
    std::snprintf(line, sizeof line, "JS G=  05 %04X %04X %04X %04X", 0x1234, 0x0042, good, errors);
    return line;
}
}  // namespace

TEST(TextFraming, J1708StatisticsSuppressAJ1708LinkFullOfErrors) {
    FramedLink framed(kText);
    framed.FeedLine(J1708Statistics(100, 10));
    EXPECT_EQ(framed.parts.box.Statistics().j1708BytesDiscarded, 0x42u);
    EXPECT_EQ(framed.parts.box.Statistics().j1708Errors, 10u);
    // Ratio 4 with no J1939 traffic reported: nothing to blame the errors on.
    framed.FeedLine(J1708Statistics(140, 20));
    EXPECT_FALSE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine("I040000000000");
    framed.FeedLine(J1708Statistics(180, 30));
    EXPECT_TRUE(framed.parts.box.IsJ1708Suppressed());
    framed.Feed(JLine(kSpeed55));
    EXPECT_EQ(framed.Count(kEngineSlot, 84), 0u);
    // Ratios from 5 to 10 keep the flag as it is; above 10 clear it.
    framed.FeedLine(J1708Statistics(230, 35));
    EXPECT_TRUE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine(J1708Statistics(340, 45));
    EXPECT_FALSE(framed.parts.box.IsJ1708Suppressed());
    framed.Feed(JLine(kSpeed55));
    EXPECT_EQ(framed.Value(kEngineSlot, 84), 55.0f);
}

TEST(TextFraming, RegisterRepliesOnlyWithinTheImageAndWithTheirMark) {
    FramedLink framed(ConnectionType::Vx150Wifi);
    framed.FeedLine("!R       F    00061E");
    framed.FeedLine("!R       F    080055");
    framed.FeedLine("!R       X    000155");
    framed.FeedLine("!R       F    0001");
    EXPECT_EQ(framed.parts.box.Registers().Get(6), 0x1E);
    EXPECT_EQ(framed.parts.box.Registers().Get(1), 0);
}
