#include <gtest/gtest.h>

#include "vxbsim/BoxEncoder.h"

using namespace vxbsim;

TEST(BoxEncoder, BinaryFramesEndWithChecksumAndFourFFs) {
    BoxEncoder encoder(BoxModel::Vx100);
    EXPECT_EQ(encoder.Encode({128, 84, 110}), std::string("\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF"));
    EXPECT_EQ(encoder.VersionReply(), "");
}

TEST(BoxEncoder, TextLinesCarryTheChecksumInUpperCaseHex) {
    BoxEncoder encoder(BoxModel::Vx101);
    EXPECT_EQ(encoder.Encode({128, 84, 110}), "J80546EBE\r\n");
    EXPECT_EQ(encoder.VersionReply().front(), 'V');
}

TEST(VehicleModel, WarmsUpAndMessagesSumToZeroWithTheirChecksum) {
    VehicleModel vehicle;
    for (int i = 0; i < 1200; ++i)
        vehicle.Step(0.1);
    EXPECT_GT(vehicle.CoolantF(), 120.0);
    EXPECT_GT(vehicle.RoadSpeedMph(), 10.0);
    for (Message message : vehicle.J1587Messages()) {
        message.push_back(BoxEncoder::Checksum(message));
        std::uint8_t sum = 0;
        for (auto byte : message)
            sum = static_cast<std::uint8_t>(sum + byte);
        EXPECT_EQ(sum, 0);
    }
}
