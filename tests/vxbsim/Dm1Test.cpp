#include <gtest/gtest.h>

#include "Decode.h"
#include "vxbsim/Dm1Builder.h"
#include "vxbsim/TransportSender.h"

using namespace vxbsim;

namespace {
struct Code {
    unsigned spn;
    unsigned fmi;
    unsigned occurrences;
    bool operator==(const Code&) const = default;
};

// The fault groups of a DM1 payload (after its two lamp bytes), with the SPN's top three bits
// taken from the high bits of the third byte.
std::vector<Code> Codes(const decode::Bytes& payload, std::size_t size) {
    std::vector<Code> codes;
    for (std::size_t at = 2; at + 3 < size; at += 4) {
        unsigned spn = payload[at] | payload[at + 1] << 8 | (payload[at + 2] >> 5) << 16;
        codes.push_back({spn, payload[at + 2] & 31u, payload[at + 3] & 127u});
    }
    return codes;
}
}  // namespace

TEST(Dm1Builder, ThreeFaultsGoAsAnnounceAndPacketsThatReassembleToTheirCodes) {
    std::vector<J1939Fault> faults = {{.source = 0, .spn = 110, .fmi = 0, .occurrences = 1},
                                      {.source = 0, .spn = 520199, .fmi = 31, .occurrences = 126},
                                      {.source = 0, .spn = 0x1FF00, .fmi = 4, .occurrences = 7}};
    auto frames = Dm1Builder::Frames(0, faults);
    ASSERT_EQ(frames.size(), 1u + 2u);  // 14 bytes in two packets
    const J1939Frame& announce = frames[0];
    EXPECT_EQ(announce.pgn, 0x00ECFFu);
    EXPECT_EQ(announce.data[0], 32);
    std::size_t size = announce.data[1] | announce.data[2] << 8;
    EXPECT_EQ(size, 14u);
    EXPECT_EQ(announce.data[3], 2);
    EXPECT_EQ(announce.data[4], 0xFF);
    EXPECT_EQ(announce.data[5] | announce.data[6] << 8 | announce.data[7] << 16, 65226);
    decode::Bytes payload;
    for (std::size_t k = 1; k < frames.size(); ++k) {
        EXPECT_EQ(frames[k].pgn, 0x00EBFFu);
        EXPECT_EQ(frames[k].data[0], k);
        payload.insert(payload.end(), frames[k].data.begin() + 1, frames[k].data.end());
    }
    EXPECT_EQ(Codes(payload, size),
              (std::vector<Code>{{110, 0, 1}, {520199, 31, 126}, {0x1FF00, 4, 7}}));
}

TEST(Dm1Builder, OneFaultOrNoneFitsASingleFrame) {
    auto one = Dm1Builder::Frames(3, {{.source = 3, .spn = 177, .fmi = 16, .occurrences = 2}});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].source, 3);
    EXPECT_EQ(one[0].pgn, 65226u);
    decode::Bytes data(one[0].data.begin(), one[0].data.end());
    EXPECT_NE(data[0], 0) << "a lamp is lit";
    EXPECT_EQ(Codes(data, 6), (std::vector<Code>{{177, 16, 2}}));
    EXPECT_EQ(data[6], 0xFF);
    auto none = Dm1Builder::Frames(0, {});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].data[0], 0);
    EXPECT_EQ(Codes(decode::Bytes(none[0].data.begin(), none[0].data.end()), 6),
              (std::vector<Code>{{0, 0, 0}}));
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
