#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "PtyBox.h"
#include "core/link/FrameSink.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "core/values/PreferredSourceTable.h"
#include "support/TestLink.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikLinkTest-" + std::to_string(::getpid());
}

// A box listening on a loopback port.
struct TcpBox {
    TcpBox() {
        listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener, 1);
        socklen_t length = sizeof address;
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~TcpBox() {
        if (peer >= 0)
            ::close(peer);
        ::close(listener);
    }
    std::string AcceptAndRead(std::size_t count) {
        peer = ::accept(listener, nullptr, nullptr);
        std::string got(count, '\0');
        std::size_t done = 0;
        while (done < count) {
            ssize_t n = ::recv(peer, got.data() + done, count - done, 0);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        return got.substr(0, done);
    }
    int listener;
    int peer = -1;
    std::uint16_t port;
};

struct RecordingSink : FrameSink {
    bool Consume(const std::uint8_t* bytes, std::size_t count) override {
        received.append(reinterpret_cast<const char*>(bytes), count);
        const bool overrun = overrunNext;
        overrunNext = overrunNext && !overrunOnce;
        return overrun;
    }
    std::string received;
    bool overrunNext = false;
    bool overrunOnce = false;
};

void OpenOn(LinkReader& link, const PtyBox& box, ConnectionType type) {
    link.SetPortName(box.device);
    link.SetConnectionType(type);
}

// Passes until something arrives, since a pty delivers asynchronously.
void PassUntilBytes(LinkReader& link, std::uint32_t expected) {
    for (int i = 0; i < 100 && link.GetByteCount() < expected; ++i) {
        link.ReceivePass();
        ::usleep(5000);
    }
}
}  // namespace

TEST(LinkReaderSerial, ReadsCountsAndHandsBytesOnInOrder) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    RecordingSink sink;
    link.SetFrameSink(&sink);
    OpenOn(link, box, ConnectionType::Vx100Serial);
    ASSERT_TRUE(link.IsOpen());
    EXPECT_EQ(link.GetStatus(), LinkStatus::Starting);
    box.Send("\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF");
    PassUntilBytes(link, 8);
    EXPECT_EQ(link.GetByteCount(), 8u);
    EXPECT_EQ(sink.received, "\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF");
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
}

TEST(LinkReaderSerial, SilenceAfterSixtyOnePassesOrSixWithAutoRestart) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    OpenOn(link, box, ConnectionType::Vx100Serial);
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
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    link.SetPortName("/dev/rovik-no-such-port");
    link.SetConnectionType(ConnectionType::Vx101Usb);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    PtyBox box;
    link.SetPortName(box.device);
    link.ReopenWhenFailed();
    EXPECT_TRUE(link.IsOpen());
}

TEST(LinkReaderSerial, OverrunTurnsTheStatusToPortFailure) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    RecordingSink sink;
    sink.overrunNext = true;
    link.SetFrameSink(&sink);
    OpenOn(link, box, ConnectionType::Vx100Serial);
    box.Send("abc");
    PassUntilBytes(link, 3);
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
}

TEST(LinkReaderSerial, QueuedBytesLeaveOneAtATimeInOrder) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    OpenOn(link, box, ConnectionType::Vx101Usb);
    link.QueueString("R0001\n\r");
    link.SendOneQueuedByte();
    EXPECT_EQ(box.Receive(), "R");
    EXPECT_EQ(link.QueuedByteCount(), 6u);
    for (int i = 0; i < 6; ++i)
        link.SendOneQueuedByte();
    EXPECT_EQ(box.Receive(), "0001\n\r");
}

TEST(LinkReaderSerial, UsbBoxIsAskedForItsVersionEveryEleventhPass) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    OpenOn(link, box, ConnectionType::Vx101Usb);
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
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    for (int i = 0; i < 199; ++i)
        EXPECT_TRUE(link.QueueByte('x'));
    EXPECT_FALSE(link.QueueByte('y'));
    EXPECT_EQ(link.QueuedByteCount(), 199u);
}

TEST(LinkReaderSocket, ConnectsGreetsAndReads) {
    TcpBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    RecordingSink sink;
    link.SetFrameSink(&sink);
    link.SetHostAddress("127.0.0.1");
    link.SetTcpPort(box.port);
    link.SetConnectionType(ConnectionType::Vx150Wifi);
    EXPECT_EQ(link.GetStatus(), LinkStatus::WifiConnected);
    EXPECT_EQ(box.AcceptAndRead(3), "V\r\n");
    ::send(box.peer, "J80546EBE\n", 10, 0);
    PassUntilBytes(link, 10);
    EXPECT_EQ(sink.received, "J80546EBE\n");
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);

    // A pass drains the socket in chunks; an overrun in the first marks the whole pass.
    sink.overrunNext = true;
    sink.overrunOnce = true;
    const std::string burst(300, 'x');
    ::send(box.peer, burst.data(), burst.size(), 0);
    PassUntilBytes(link, 310);
    EXPECT_EQ(link.GetByteCount(), 310u);
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
}

TEST(LinkReaderSocket, UnreachableBoxAndUnknownHostAreNotRetried) {
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
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

TEST(LinkThreads, TickedPassesReadAndQueuedBytesArriveInOrder) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    OpenOn(link, box, ConnectionType::Vx100Serial);
    link.SetTransmitDelay(1);
    LinkThreads threads(link);
    threads.Start();
    link.QueueString("M000101\n\r");
    box.Send("hello");
    for (int i = 0; i < 200 && link.GetByteCount() < 5; ++i) {
        threads.WakeReceiver();
        ::usleep(5000);
    }
    EXPECT_EQ(link.GetByteCount(), 5u);
    std::string sent;
    for (int i = 0; i < 20 && sent.size() < 9; ++i)
        sent += box.Receive();
    EXPECT_EQ(sent, "M000101\n\r");
    threads.Stop();
    EXPECT_FALSE(threads.IsRunning());
}

// Run under ThreadSanitizer in CI: the interface thread reads, resizes and reloads what the
// receive thread updates after every pass.
TEST(LinkThreads, DerivedValuesAreSharedSafelyWithTheReceiveThread) {
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    OpenOn(link, box, ConnectionType::Vx100Serial);
    linkParts.values.Store().StoreValue(kEngineSlot, 250, 500.0f);
    linkParts.values.Store().StoreValue(kEngineSlot, 245, 4000.0f);
    linkParts.values.Store().StoreValue(kEngineSlot, 184, 7.0f);
    linkParts.values.Store().StoreValue(kEngineSlot, 110, 185.0f);
    LinkThreads threads(link);
    threads.Start();
    for (int i = 0; i < 200; ++i) {
        threads.WakeReceiver();
        linkParts.values.Store().StoreValue(kEngineSlot, 84, static_cast<float>(20 + i % 40));
        for (unsigned number : {9u, 10u, 11u, 12u, 501u, 502u, 503u, 508u, 509u, 510u}) {
            linkParts.values.GetValue(number);
        }
        if (i % 50 == 0) {
            linkParts.values.Derived().SetAverageWindow(10 + i);
            linkParts.values.Derived().LoadEngineCurve("/dev/null");
        }
    }
    threads.Stop();
    EXPECT_EQ(linkParts.values.GetValue(503), 185.0);
    EXPECT_GT(linkParts.values.GetValue(9), 0.0);
}
