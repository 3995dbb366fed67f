#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "PtyBox.h"
#include "core/link/LinkReader.h"
#include "support/TestLink.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikSendTest-" + std::to_string(::getpid());
}

const std::uint8_t kMessage[23] = {0x80, 0x54, 0x6E};

// What reaches the box once the transmit thread has sent what waits in the queue.
std::string Sent(LinkReader& link, const PtyBox& box) {
    while (link.QueuedByteCount() > 0) {
        link.SendOneQueuedByte();
    }
    return box.Receive();
}
}  // namespace

TEST(LinkReaderSend, APacketIsAFrameOrALineAndNothingWhenTooLongOrThePortIsShut) {
    const std::pair<ConnectionType, std::string> expected[] = {
        {ConnectionType::Vx100Serial, std::string("SEND\x03\x80\x54\x6E\x42", 9)},
        {ConnectionType::Vx101Usb, "S80546E\r\n"},
    };
    for (const auto& [type, bytes] : expected) {
        PtyBox box;
        test::TestLink parts(UniqueBlock());
        parts.link.SetPortName(box.device);
        parts.link.SetConnectionType(type);
        EXPECT_TRUE(parts.link.SendPacket(kMessage, 3));
        EXPECT_FALSE(parts.link.SendPacket(kMessage, 23));
        EXPECT_EQ(Sent(parts.link, box), bytes);
        parts.link.SetPortName("/dev/rovik-no-such-port");
        parts.link.Open();
        EXPECT_FALSE(parts.link.SendPacket(kMessage, 3));
    }
    test::TestLink wifi(UniqueBlock());
    wifi.link.SetHostAddress("127.0.0.1");
    wifi.link.SetTcpPort(1);
    wifi.link.SetConnectionType(ConnectionType::Vx150Wifi);
    EXPECT_FALSE(wifi.link.SendPacket(kMessage, 3)) << "no connection, no packet";
    EXPECT_EQ(wifi.link.QueuedByteCount(), 0u);
}

TEST(LinkReaderSend, OneByteTextChunksSetTheShortReadFlagAndLongerOnesClearIt) {
    PtyBox box;
    test::TestLink parts(UniqueBlock());
    parts.link.SetPortName(box.device);
    parts.link.SetConnectionType(ConnectionType::Vx101Usb);
    for (const std::string chunk : {"J", "S 0C\r\n", "J"}) {
        const std::uint32_t before = parts.link.GetByteCount();
        box.Send(chunk);
        for (int i = 0; i < 100 && parts.link.GetByteCount() == before; ++i) {
            parts.link.ReceivePass();
            ::usleep(5000);
        }
        EXPECT_EQ(parts.box.IsShortRead(), chunk.size() == 1) << chunk;
    }
}

TEST(TransmitRing, ACommandIsQueuedWholeOrNotAtAll) {
    test::TestLink parts(UniqueBlock());
    ASSERT_TRUE(parts.link.QueueString(std::string(190, 'x')));
    EXPECT_FALSE(parts.link.QueueString("M000101\n\r\n"));
    EXPECT_TRUE(parts.link.QueueString("M000101\n\r"));
    EXPECT_EQ(parts.link.QueuedByteCount(), 199u);
}
