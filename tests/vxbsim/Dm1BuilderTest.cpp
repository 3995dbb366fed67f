#include <gtest/gtest.h>

#include "support/FramedLink.h"
#include "vxbsim/BoxEncoder.h"
#include "vxbsim/Dm1Builder.h"
#include "vxbsim/TransportSender.h"

using namespace vxbsim;
using Faults = std::vector<rovik::test::RecordedFaults::Fault>;

namespace {
// What the program records from one controller's DM1, sent in the frames expected.
Faults Read(std::uint8_t source, const std::vector<J1939Fault>& faults, std::size_t frames) {
    std::vector<J1939Frame> built = Dm1Builder::Frames(source, faults);
    EXPECT_EQ(built.size(), frames);
    rovik::test::FramedLink read(rovik::ConnectionType::Vx101Usb);
    for (const J1939Frame& frame : built) {
        read.Feed(BoxEncoder(BoxModel::Vx101).EncodeJ1939(frame));
    }
    return read.Faults();
}
}  // namespace

TEST(Dm1Builder, FaultsReachTheProgramInOneFrameOrAsAnnounceAndPackets) {
    // 14 bytes go in two packets; the high SPNs need the SPN's top three bits.
    EXPECT_EQ(Read(0,
                   {{.source = 0, .spn = 110, .fmi = 0, .occurrences = 1},
                    {.source = 0, .spn = 520199, .fmi = 31, .occurrences = 126},
                    {.source = 0, .spn = 0x1FF00, .fmi = 4, .occurrences = 7}},
                   3),
              (Faults{{0, 110, 0, 1, true}, {0, 520199, 31, 126, true}, {0, 0x1FF00, 4, 7, true}}));
    EXPECT_EQ(Read(3, {{.source = 3, .spn = 177, .fmi = 16, .occurrences = 2}}, 1),
              (Faults{{3, 177, 16, 2, true}}));
    EXPECT_EQ(Read(0, {}, 1), Faults{});
    EXPECT_NE(Dm1Builder::Frames(3, {{.source = 3}})[0].data[0], 0) << "a lamp is lit";
    EXPECT_EQ(Dm1Builder::Frames(3, {})[0].data[0], 0);
}

TEST(TransportSender, RefusesWhatFitsOneFrameOrExceedsTheProtocol) {
    EXPECT_TRUE(TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(8)).empty());
    EXPECT_TRUE(TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(1786)).empty());
    auto short9 = TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(9, 7));
    ASSERT_EQ(short9.size(), 3u);
    EXPECT_EQ(short9[2].data, (std::array<std::uint8_t, 8>{2, 7, 7, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    auto longest = TransportSender::Broadcast(0, 65226, std::vector<std::uint8_t>(1785, 7));
    ASSERT_EQ(longest.size(), 256u);
    EXPECT_EQ(longest[0].data[3], 255);
    EXPECT_EQ(longest.back().data[0], 255);
}
