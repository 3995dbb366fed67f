#include <gtest/gtest.h>

#include "Decode.h"
#include "vxbsim/BoxEncoder.h"

using namespace vxbsim;

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

std::string WithoutLineEnd(const std::string& line) {
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
    return line.substr(0, line.size() - 2);
}
}  // namespace

TEST(BoxEncoder, BinaryFramesEndWithChecksumAndFourFFs) {
    BoxEncoder encoder(BoxModel::Vx100);
    EXPECT_EQ(encoder.Encode({128, 84, 110}), std::string("\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF"));
}

TEST(BoxEncoder, TextLinesCarryTheChecksumInUpperCaseHex) {
    BoxEncoder encoder(BoxModel::Vx101);
    EXPECT_EQ(encoder.Encode({128, 84, 110}), "J80546EBE\r\n");
    EXPECT_EQ(encoder.VersionReply().front(), 'V');
}

TEST(BoxEncoder, J1939LinePutsSourcePgnAndDataWhereTheReaderLooks) {
    BoxEncoder encoder(BoxModel::Vx150);
    J1939Frame frame{.source = 0x03, .pgn = 0x00FEF1};
    frame.data = {0x00, 0xAB, 0x12, 0xFE, 0x01, 0x02, 0x0C, 0xFF};
    std::string line = WithoutLineEnd(encoder.EncodeJ1939(frame));
    EXPECT_EQ(line, "R0300FEF100AB12FE01020CFF");
    EXPECT_LE(line.size(), 25u);
    decode::Frame back = decode::RLine(line);
    EXPECT_EQ(back.source, 3u);
    EXPECT_EQ(back.pgn, 0xFEF1u);
    EXPECT_EQ(back.data, frame.data);
}

TEST(BoxEncoder, StatisticsLinesPutEveryFieldAtItsPosition) {
    BoxEncoder encoder(BoxModel::Vx101);
    BoxStatistics statistics = SampleStatistics();
    auto lines = decode::Lines(encoder.StatisticsReport(statistics, false));
    ASSERT_EQ(lines.size(), 2u);
    const std::string& js = lines[0];
    ASSERT_EQ(js.substr(0, 2), "JS");
    ASSERT_GE(js.size(), 29u);
    EXPECT_EQ(decode::ByteAt(js, 7), 0x2Bu);
    EXPECT_EQ(decode::HighFirst(js, 10), 300u * 19u);
    EXPECT_EQ(decode::HighFirst(js, 15), 0u);
    EXPECT_EQ(decode::HighFirst(js, 20), 300u);
    EXPECT_EQ(decode::HighFirst(js, 25), 0u);
    const std::string& i = lines[1];
    ASSERT_EQ(i.size(), 13u);
    EXPECT_EQ(i[0], 'I');
    EXPECT_TRUE(decode::IsUpperHex(i.substr(1)));
    EXPECT_EQ(decode::LowFirst(i, 1), 0x1234u);
    EXPECT_EQ(decode::LowFirst(i, 5), 0u);
    EXPECT_EQ(decode::LowFirst(i, 9), 0u);
}

TEST(BoxEncoder, StatisticsFrameCarriesCountsLittleEndianAndTheSilentFlag) {
    BoxEncoder encoder(BoxModel::Vx100);
    BoxStatistics statistics = SampleStatistics();
    auto frames = decode::BinaryFrames(encoder.StatisticsReport(statistics, false));
    ASSERT_EQ(frames.size(), 1u);
    const decode::Bytes& frame = frames[0];
    ASSERT_EQ(frame.size(), 11u);
    EXPECT_EQ(frame[0], 196);
    EXPECT_EQ(decode::LittleEndian(frame, 1, 4), 300.0);
    EXPECT_EQ(decode::LittleEndian(frame, 5, 4), 0.0);
    EXPECT_EQ(frame[9], 0);
    EXPECT_EQ(decode::Sum(frame), 0);
    auto silent = decode::BinaryFrames(encoder.StatisticsReport(statistics, true));
    EXPECT_EQ(silent.at(0).at(9), 1);
    EXPECT_EQ(decode::Sum(silent.at(0)), 0);
}

TEST(BoxEncoder, RegisterReplyPutsFlagAddressAndValueWhereTheReaderLooks) {
    BoxEncoder encoder(BoxModel::Vx150);
    std::string line = WithoutLineEnd(encoder.RegisterReply(0x07FF, 0xA5));
    ASSERT_EQ(line.size(), 20u);
    EXPECT_EQ(line.substr(0, 2), "!R");
    EXPECT_EQ(line[9], 'F');
    EXPECT_EQ(decode::HighFirst(line, 14), 0x07FFu);
    EXPECT_EQ(decode::ByteAt(line, 18), 0xA5u);
}

TEST(BoxEncoder, SerialBoxHasNoTextToSay) {
    BoxEncoder encoder(BoxModel::Vx100);
    EXPECT_EQ(encoder.VersionReply(), "");
    EXPECT_EQ(encoder.RegisterReply(1, 1), "");
    EXPECT_EQ(encoder.EncodeJ1939(J1939Frame{}), "");
}
