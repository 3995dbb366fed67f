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

TEST(BoxEncoder, WritesTheBytesOfEachBoxModel) {
    EXPECT_EQ(BoxEncoder(BoxModel::Vx100).Encode({128, 84, 110}),
              std::string("\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF"));
    EXPECT_EQ(BoxEncoder(BoxModel::Vx101).Encode({128, 84, 110}), "J80546EBE\r\n");
    J1939Frame frame{.source = 0x03, .pgn = 0x00FEF1};
    frame.data = {0x00, 0xAB, 0x12, 0xFE, 0x01, 0x02, 0x0C, 0xFF};
    EXPECT_EQ(BoxEncoder(BoxModel::Vx150).EncodeJ1939(frame), "R0300FEF100AB12FE01020CFF\r\n");
    BoxEncoder serial(BoxModel::Vx100);
    EXPECT_EQ(serial.VersionReply() + serial.RegisterReply(1, 1) + serial.EncodeJ1939({}), "")
        << "the serial box has no text to say";
}

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
