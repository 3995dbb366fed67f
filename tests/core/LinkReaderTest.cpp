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
    PtyBox box;
    test::TestLink parts{UniqueBlock()};
    LinkReader& link = parts.link;
};
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

TEST(LinkReaderSerial, MissingPortFailsAndIsRetriedEveryPass) {
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
}

TEST(LinkReaderSerial, QueuedBytesLeaveOneAtATimeAndAUsbBoxIsAskedForItsVersion) {
    PtyLink usb(ConnectionType::Vx101Usb);
    LinkReader& link = usb.link;
    link.QueueString("R0001\n\r");
    link.SendOneQueuedByte();
    EXPECT_EQ(usb.box.Receive(), "R");
    EXPECT_EQ(link.QueuedByteCount(), 6u);
    for (int i = 0; i < 6; ++i)
        link.SendOneQueuedByte();
    EXPECT_EQ(usb.box.Receive(), "0001\n\r");
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

TEST(TransmitRing, RefusesTheByteThatWouldOverflowIt) {
    test::TestLink parts(UniqueBlock());
    for (int i = 0; i < 199; ++i)
        EXPECT_TRUE(parts.link.QueueByte('x'));
    EXPECT_FALSE(parts.link.QueueByte('y'));
    EXPECT_EQ(parts.link.QueuedByteCount(), 199u);
}

TEST(LinkReaderSocket, UnreachableBoxAndUnknownHostAreNotRetried) {
    test::TestLink parts(UniqueBlock());
    LinkReader& link = parts.link;
    link.SetHostAddress("127.0.0.1");
    link.SetTcpPort(1);
    link.SetConnectionType(ConnectionType::Vx150Wifi);
    EXPECT_EQ(link.GetStatus(), LinkStatus::ConnectFailed);
    link.SetHostAddress("no-such-box.invalid");
    link.Open();
    EXPECT_EQ(link.GetStatus(), LinkStatus::AddressNotFound);
    link.ReopenWhenFailed();
    link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::AddressNotFound);
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
