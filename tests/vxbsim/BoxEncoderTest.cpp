#include <gtest/gtest.h>

#include "support/FramedLink.h"
#include "vxbsim/BoxEncoder.h"

using namespace vxbsim;
using rovik::ConnectionType;
using rovik::test::FramedLink;

namespace {
// Statistics with every counter different, so a field read from the wrong place shows.
BoxStatistics SampleStatistics() {
    BoxStatistics statistics;
    for (int i = 0; i < 300; ++i) {
        statistics.CountJ1708(19);
    }
    for (int i = 0; i < 0x1234; ++i) {
        statistics.CountJ1939();
    }
    statistics.SetBitGap(0x2B);
    return statistics;
}
}  // namespace

// The box's statistics, in the serial box's frame and the text boxes' line, read field by
// field as the box meant them.
TEST(BoxEncoder, ReportsReachTheProgramFieldByField) {
    const BoxStatistics statistics = SampleStatistics();
    FramedLink wifi(ConnectionType::Vx150Wifi);
    BoxEncoder text(BoxModel::Vx150);
    wifi.Feed(text.StatisticsReport(statistics, false) + text.RegisterReply(0x07FF, 0xA5));
    const rovik::BoxStatistics& lines = wifi.parts.box.Statistics();
    EXPECT_EQ(lines.bitGap, 0x2B);
    EXPECT_EQ(lines.j1708BytesRead, 300u * 19u);
    EXPECT_EQ(lines.j1708GoodPackets, 300u);
    EXPECT_EQ(lines.j1939PacketsReceived, 0x1234);
    EXPECT_EQ(lines.j1708Errors + lines.j1708BytesDiscarded + lines.j1939PacketsMissed +
                  lines.usbOverflows,
              0u);
    EXPECT_EQ(wifi.parts.box.Registers().Get(0x07FF), 0xA5);

    FramedLink serial(ConnectionType::Vx100Serial);
    serial.Feed(BoxEncoder(BoxModel::Vx100).StatisticsReport(statistics, true));
    serial.Flush();
    EXPECT_EQ(serial.parts.box.Statistics().j1708GoodPackets, 300u);
    EXPECT_EQ(serial.Status(), rovik::LinkStatus::EngineSideFailure) << "the silent flag";
}
