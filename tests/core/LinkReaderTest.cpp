#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "PtyBox.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "core/values/PreferredSourceTable.h"
#include "support/TestLink.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikLinkTest-" + std::to_string(::getpid());
}

// A link on the box's pseudo-terminal.
struct PtyLink {
    explicit PtyLink(ConnectionType type) {
        link.SetPortName(box.device);
        link.SetConnectionType(type);
    }
    // What reaches the box once the transmit thread has sent what waits in the queue.
    std::string Sent() {
        while (link.QueuedByteCount() > 0) {
            link.SendOneQueuedByte();
        }
        return box.Receive();
    }
    PtyBox box;
    test::TestLink parts{UniqueBlock()};
    LinkReader& link = parts.link;
};

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
    EXPECT_STREQ(LinkStatusText(link.GetStatus()), "PC Port Failure");
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
    EXPECT_STREQ(LinkStatusText(static_cast<LinkStatus>(14)), "Error");
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

TEST(LinkReaderSend, OneByteTextChunksSetTheShortReadFlagAndLongerOnesClearIt) {
    PtyLink usb(ConnectionType::Vx101Usb);
    for (const std::string chunk : {"J", "S 0C\r\n", "J"}) {
        const std::uint32_t before = usb.link.GetByteCount();
        usb.box.Send(chunk);
        for (int i = 0; i < 100 && usb.link.GetByteCount() == before; ++i) {
            usb.link.ReceivePass();
            ::usleep(5000);
        }
        EXPECT_EQ(usb.parts.box.IsShortRead(), chunk.size() == 1) << chunk;
    }
}

TEST(TransmitRing, RefusesTheByteThatWouldOverflowItAndQueuesACommandWholeOrNotAtAll) {
    test::TestLink parts(UniqueBlock());
    for (int i = 0; i < 199; ++i)
        EXPECT_TRUE(parts.link.QueueByte('x'));
    EXPECT_FALSE(parts.link.QueueByte('y'));
    EXPECT_EQ(parts.link.QueuedByteCount(), 199u);
    test::TestLink commands(UniqueBlock());
    ASSERT_TRUE(commands.link.QueueString(std::string(190, 'x')));
    EXPECT_FALSE(commands.link.QueueString("M000101\n\r\n"));
    EXPECT_TRUE(commands.link.QueueString("M000101\n\r"));
    EXPECT_EQ(commands.link.QueuedByteCount(), 199u);
}

// Run under ThreadSanitizer in CI: the interface thread reads, resizes and reloads what the
// receive thread updates after every pass.
TEST(LinkThreads, DerivedValuesAreSharedSafelyWithTheReceiveThread) {
    PtyLink serial(ConnectionType::Vx100Serial);
    LiveValues& values = serial.parts.values;
    values.Store().StoreValue(kEngineSlot, 250, 500.0f);
    values.Store().StoreValue(kEngineSlot, 245, 4000.0f);
    values.Store().StoreValue(kEngineSlot, 184, 7.0f);
    values.Store().StoreValue(kEngineSlot, 110, 185.0f);
    LinkThreads threads(serial.link);
    threads.Start();
    for (int i = 0; i < 200; ++i) {
        threads.WakeReceiver();
        values.Store().StoreValue(kEngineSlot, 84, static_cast<float>(20 + i % 40));
        for (unsigned number : {9u, 10u, 11u, 12u, 501u, 502u, 503u, 508u, 509u, 510u}) {
            values.GetValue(number);
        }
        if (i % 50 == 0) {
            values.Derived().SetAverageWindow(10 + i);
            values.Derived().LoadEngineCurve("/dev/null");
        }
    }
    threads.Stop();
    EXPECT_FALSE(threads.IsRunning());
    EXPECT_EQ(values.GetValue(503), 185.0);
    EXPECT_GT(values.GetValue(9), 0.0);
}
