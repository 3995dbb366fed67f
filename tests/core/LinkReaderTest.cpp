#include <gtest/gtest.h>

#include "PtyLink.h"

using namespace rovik;

namespace {
// A link to a port on this machine where nothing listens.
struct NoBoxThere {
    NoBoxThere() {
        link.SetHostAddress("127.0.0.1");
        link.SetTcpPort(1);
        link.SetConnectionType(ConnectionType::Vx150Wifi);
    }
    test::TestLink parts{UniqueBlock()};
    LinkReader& link = parts.link;
};

const std::uint8_t kMessage[23] = {0x80, 0x54, 0x6E};
}  // namespace

// Counting and handing on what arrives, over every transport, and an overrun are tried in the
// integration tests and with recordings.
TEST(LinkReaderSerial, SilenceAfterSixtyOnePassesOrSixWithAutoRestart) {
    PtyLink serial(ConnectionType::Vx100Serial);
    LinkReader& link = serial.link;
    for (int pass = 0; pass < 60; ++pass)
        link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::Starting);
    link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::BoxSideFailure);

    link.SetAutoRestart(true);
    link.Open();
    for (int pass = 0; pass < 6; ++pass)
        link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::BoxSideFailure);
    link.ReopenWhenFailed();
    EXPECT_EQ(link.GetStatus(), LinkStatus::Starting);
    EXPECT_EQ(link.GetPassCounter(), 0u);
}

TEST(LinkReaderSerial, AMissingPortIsRetriedButAnUnreachableOrUnknownHostIsNot) {
    test::TestLink parts(UniqueBlock());
    LinkReader& link = parts.link;
    link.SetPortName("/dev/rovik-no-such-port");
    link.SetConnectionType(ConnectionType::Vx101Usb);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    PtyBox box;
    link.SetPortName(box.device);
    link.ReopenWhenFailed();
    EXPECT_TRUE(link.IsOpen());

    NoBoxThere wifi;
    EXPECT_EQ(wifi.link.GetStatus(), LinkStatus::ConnectFailed);
    wifi.link.SetHostAddress("no-such-box.invalid");
    wifi.link.Open();
    EXPECT_EQ(wifi.link.GetStatus(), LinkStatus::AddressNotFound);
    wifi.link.ReopenWhenFailed();
    wifi.link.ReceivePass();
    EXPECT_EQ(wifi.link.GetStatus(), LinkStatus::AddressNotFound);
}

TEST(LinkReaderSerial, QueuedBytesLeaveOneAtATimeAndAUsbBoxIsAskedForItsVersion) {
    PtyLink usb(ConnectionType::Vx101Usb);
    LinkReader& link = usb.link;
    link.QueueString("R0001\n\r");
    link.SendOneQueuedByte();
    EXPECT_EQ(usb.box.Receive(), "R");
    EXPECT_EQ(link.QueuedByteCount(), 6u);
    EXPECT_EQ(usb.Sent(), "0001\n\r");
    // On the second pass, then every eleventh.
    for (int pass = 0; pass < 2; ++pass)
        link.ReceivePass();
    EXPECT_EQ(link.QueuedByteCount(), 1u);
    for (int pass = 0; pass < 10; ++pass)
        link.ReceivePass();
    EXPECT_EQ(link.QueuedByteCount(), 1u);
    link.ReceivePass();
    EXPECT_EQ(link.QueuedByteCount(), 2u);
}

TEST(LinkReaderSend, APacketIsAFrameOrALineAndNothingWhenTooLongOrThePortIsShut) {
    const std::pair<ConnectionType, std::string> expected[] = {
        {ConnectionType::Vx100Serial, std::string("SEND\x03\x80\x54\x6E\x42", 9)},
        {ConnectionType::Vx101Usb, "S80546E\r\n"},
    };
    for (const auto& [type, bytes] : expected) {
        PtyLink box(type);
        EXPECT_TRUE(box.link.SendPacket(kMessage, 3));
        EXPECT_FALSE(box.link.SendPacket(kMessage, 23));
        EXPECT_EQ(box.Sent(), bytes);
        box.link.SetPortName("/dev/rovik-no-such-port");
        box.link.Open();
        EXPECT_FALSE(box.link.SendPacket(kMessage, 3));
    }
    NoBoxThere wifi;
    EXPECT_FALSE(wifi.link.SendPacket(kMessage, 3)) << "no connection, no packet";
    EXPECT_EQ(wifi.link.QueuedByteCount(), 0u);
}
