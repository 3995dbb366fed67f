#include <gtest/gtest.h>

#include "support/FramedLink.h"

using namespace rovik;
using namespace rovik::test;

namespace {
constexpr auto kOk = LinkStatus::Ok;
constexpr auto kEngineSide = LinkStatus::EngineSideFailure;
constexpr auto kPortFailure = LinkStatus::PortFailure;

double RoadSpeed(const FramedLink& framed) {
    return framed.parts.values.Store().SlotValue(kEngineSlot, 84);
}

// A "JS" line with the fields at the positions the box uses.
std::string J1708Statistics(unsigned good, unsigned errors) {
    char line[64];
    std::snprintf(line, sizeof line, "JS G=  05 %04X %04X %04X %04X", 0x1234, 0x0042, good, errors);
    return line;
}

// An "I" line: received, missed and overflow counts, each low byte first.
std::string J1939Statistics(unsigned received) {
    char line[32];
    std::snprintf(line, sizeof line, "I%02X%02X00000000", received & 0xFF, received >> 8);
    return line;
}
}  // namespace

TEST(BinaryFraming, FourEndMarksCloseAFrameAndTheNextByteStartsOne) {
    FramedLink framed(ConnectionType::Vx100Serial);
    Bytes stream = {0xFF, 0xFF};
    for (std::uint8_t b : WithChecksum({128, 84, 110})) {
        stream.push_back(b);
    }
    stream.insert(stream.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0x80, 84, 120});
    EXPECT_FALSE(framed.Feed(stream));
    EXPECT_EQ(RoadSpeed(framed), 55.0);
    EXPECT_EQ(framed.parts.values.Store().SlotUpdateCount(kEngineSlot, 84), 1u);
    framed.Feed(Bytes{static_cast<std::uint8_t>(-(0x80 + 84 + 120)), 0xFF, 0xFF, 0xFF, 0xFF, 0});
    EXPECT_EQ(RoadSpeed(framed), 60.0);
}

TEST(BinaryFraming, EndMarksInsideAndAfterAMessage) {
    FramedLink framed(ConnectionType::Vx100Serial);
    // Three 0xFF data bytes in a row stay part of the message.
    framed.FeedFrame({128, 245, 4, 0xFF, 0xFF, 0xFF, 0x00});
    EXPECT_FLOAT_EQ(framed.parts.values.Store().SlotValue(kEngineSlot, 245), 1677721.5f);
    // A fifth 0xFF is taken into the message, whose checksum then fails.
    Bytes fiveMarks = WithChecksum({128, 84, 100});
    fiveMarks.insert(fiveMarks.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    framed.Feed(fiveMarks);
    EXPECT_EQ(RoadSpeed(framed), 0.0);
}

TEST(BinaryFraming, BadChecksumsShortFramesAndStrangeMidsAreDropped) {
    FramedLink framed(ConnectionType::Vx100Serial);
    Bytes bad = WithChecksum({128, 84, 110});
    bad.back() ^= 1;
    bad.insert(bad.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    framed.Feed(bad);
    EXPECT_EQ(framed.Status(), kPortFailure);
    framed.FeedFrame({140, 84, 110});
    framed.Feed(Bytes{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00});
    EXPECT_EQ(RoadSpeed(framed), 0.0);
    EXPECT_EQ(framed.parts.values.Store().SlotUpdateCount(kBrakesSlot, 84), 0u);
}

TEST(BinaryFraming, AFrameThatFillsTheBufferIsAnOverrun) {
    FramedLink framed(ConnectionType::Vx100Serial);
    Bytes endless(300, 0x11);
    EXPECT_TRUE(framed.Feed(endless));
    // The framing starts over and later frames are read normally.
    framed.FeedFrame({128, 84, 110});
    framed.FeedFrame({128, 84, 110});
    EXPECT_EQ(RoadSpeed(framed), 55.0);
}

TEST(BinaryFraming, BoxStatisticsReportAVehicleSideThatFellSilent) {
    FramedLink framed(ConnectionType::Vx100Serial);
    const Bytes report = {196, 0x10, 0x27, 0, 0, 3, 0, 0, 0, 0};
    framed.FeedFrame(report);
    EXPECT_EQ(framed.parts.box.Statistics().j1708GoodPackets, 10000u);
    EXPECT_EQ(framed.parts.box.Statistics().j1708Errors, 3u);
    EXPECT_EQ(framed.Status(), kOk);
    framed.FeedFrame(report);
    EXPECT_EQ(framed.Status(), kEngineSide);
    framed.FeedFrame({128, 84, 110});
    EXPECT_EQ(framed.Status(), kOk);
    framed.FeedFrame({196, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(framed.Status(), kEngineSide);
}

TEST(TextFraming, J1708LinesReadLikeBinaryFrames) {
    FramedLink framed(ConnectionType::Vx101Usb);
    framed.FeedLine("J" + Hex(WithChecksum({128, 84, 110})));
    EXPECT_EQ(RoadSpeed(framed), 55.0);
    Bytes wrong = WithChecksum({128, 84, 120});
    wrong.back() ^= 0x10;
    framed.FeedLine("J" + Hex(wrong));
    EXPECT_EQ(RoadSpeed(framed), 55.0);
    EXPECT_EQ(framed.parts.values.Store().SlotUpdateCount(kEngineSlot, 84), 1u);
    // A line may arrive in pieces spread over several reads.
    const std::string line = "J" + Hex(WithChecksum({130, 177, 0x40, 0x02})) + "\r\n";
    framed.Feed(line.substr(0, 4));
    framed.Feed(line.substr(4));
    EXPECT_EQ(framed.parts.values.Store().SlotValue(kTransmissionSlot, 177), 144.0);
}

TEST(TextFraming, J1939LinesCarrySourcePgnAndUpToEightBytes) {
    FramedLink framed(ConnectionType::Vx150Wifi);
    framed.FeedLine("R0000F004" + Hex({0xFF, 0xFF, 0xFF, 0x40, 0x1F, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(framed.parts.values.Store().SlotValue(kEngineSlot, 190), 1000.0);
    // Missing bytes read as "not available".
    framed.FeedLine("R0000FEEE" + Hex({100}));
    EXPECT_EQ(framed.parts.values.Store().SlotValue(kEngineSlot, 110), 140.0);
    EXPECT_EQ(framed.parts.values.Store().SlotUpdateCount(kEngineSlot, 175), 0u);
    // A line of 26 characters is not a J1939 message.
    framed.FeedLine("R0000FEEE" + Hex({50, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "0");
    EXPECT_EQ(framed.parts.values.Store().SlotValue(kEngineSlot, 110), 140.0);
    framed.FeedLine("R00");
    EXPECT_EQ(framed.parts.values.Store().SlotUpdateCount(kEngineSlot, 110), 1u);
}

TEST(TextFraming, ReportsWithoutVehicleMessagesBetweenThemMeanTheVehicleSideIsSilent) {
    FramedLink framed(ConnectionType::Vx101Usb);
    framed.link.NoteVehicleMessage();
    framed.FeedLine(J1939Statistics(0x0102));
    EXPECT_EQ(framed.parts.box.Statistics().j1939PacketsReceived, 0x0102);
    EXPECT_EQ(framed.Status(), kOk);
    framed.FeedLine(J1939Statistics(0x0103));
    EXPECT_EQ(framed.Status(), kEngineSide);
    framed.FeedLine("R0000FEEE" + Hex({100}));
    EXPECT_EQ(framed.Status(), kOk);
    framed.FeedLine(J1939Statistics(0x0104));
    EXPECT_EQ(framed.Status(), kOk);
    framed.FeedLine(J1939Statistics(0x0105));
    EXPECT_EQ(framed.Status(), kEngineSide);
}

TEST(TextFraming, J1708StatisticsSuppressAJ1708LinkFullOfErrors) {
    FramedLink framed(ConnectionType::Vx101Usb);
    framed.FeedLine(J1708Statistics(100, 10));
    const BoxStatistics& statistics = framed.parts.box.Statistics();
    EXPECT_EQ(statistics.bitGap, 5);
    EXPECT_EQ(statistics.j1708BytesRead, 0x1234u);
    EXPECT_EQ(statistics.j1708BytesDiscarded, 0x42u);
    EXPECT_EQ(statistics.j1708GoodPackets, 100u);
    // Ratio 4 with no J1939 traffic reported: nothing to blame the errors on.
    framed.FeedLine(J1708Statistics(140, 20));
    EXPECT_FALSE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine(J1939Statistics(4));
    framed.FeedLine(J1708Statistics(180, 30));
    EXPECT_TRUE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine("J" + Hex(WithChecksum({128, 84, 110})));
    EXPECT_EQ(RoadSpeed(framed), 0.0);
    // Ratios from 5 to 10 keep the flag as it is; above 10 clear it.
    framed.FeedLine(J1708Statistics(230, 35));
    EXPECT_TRUE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine(J1708Statistics(340, 45));
    EXPECT_FALSE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine("J" + Hex(WithChecksum({128, 84, 110})));
    EXPECT_EQ(RoadSpeed(framed), 55.0);
}

TEST(TextFraming, VersionAndRegisterLines) {
    FramedLink framed(ConnectionType::Vx150Wifi);
    EXPECT_EQ(framed.parts.box.Version(), "Unknown");
    framed.FeedLine("VXB150 2.04");
    EXPECT_EQ(framed.parts.box.Version(), "VXB150 2.04");
    framed.FeedLine("!R       F    000101");
    framed.FeedLine("!R       F    00061E");
    EXPECT_EQ(framed.parts.box.Registers().Get(1), 1);
    EXPECT_EQ(framed.parts.box.Registers().Get(6), 0x1E);
    // Addresses beyond the image, replies without the F mark and short lines change nothing.
    framed.FeedLine("!R       F    080055");
    framed.FeedLine("!R       X    000100");
    framed.FeedLine("!R       F    0001");
    EXPECT_EQ(framed.parts.box.Registers().Get(1), 1);
}

TEST(TextFraming, LongLinesOverrunAndControlCharactersAreDropped) {
    FramedLink framed(ConnectionType::Vx101Usb);
    EXPECT_TRUE(framed.Feed(std::string(256, 'A')));
    framed.FeedLine("J" + Hex(WithChecksum({128, 84, 110})));
    EXPECT_EQ(RoadSpeed(framed), 55.0);
    framed.Feed("\x01J" + Hex(WithChecksum({128, 84, 120})) + "\t\r\n");
    EXPECT_EQ(RoadSpeed(framed), 60.0);
    // Odd lines, lowercase digits and unknown letters go through without harm.
    for (std::string line : {"J", "J1", "Jzz", "Z1234", "I", "JS", "", "R1", "jff"}) {
        framed.FeedLine(line);
    }
    EXPECT_EQ(RoadSpeed(framed), 60.0);
}
