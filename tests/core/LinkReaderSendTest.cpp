#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "PtyBox.h"
#include "TempFolder.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/TestLink.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikSendTest-" + std::to_string(::getpid());
}

const std::uint8_t kMessage[] = {0x80, 0x54, 0x6E};
const std::uint8_t kZeros[23] = {};

struct LinkReaderSend : ::testing::Test {
    void OpenAs(ConnectionType type) {
        link.SetPortName(box.device);
        link.SetConnectionType(type);
        ASSERT_TRUE(link.IsOpen());
    }
    std::string SendQueued() {
        while (link.QueuedByteCount() > 0) {
            link.SendOneQueuedByte();
        }
        return box.Receive();
    }
    void PassUntilBytes(std::uint32_t expected) {
        for (int i = 0; i < 100 && link.GetByteCount() < expected; ++i) {
            link.ReceivePass();
            ::usleep(5000);
        }
    }

    PtyBox box;
    test::TestLink parts{UniqueBlock()};
    LinkReader& link = parts.link;
};
}  // namespace

TEST_F(LinkReaderSend, SerialBoxGetsTheSendFrameAtOnceUpToTwentyTwoBytes) {
    OpenAs(ConnectionType::Vx100Serial);
    EXPECT_TRUE(link.SendPacket(kMessage, 3));
    EXPECT_FALSE(link.SendPacket(kZeros, 23));
    EXPECT_FALSE(link.SendPacket(kZeros, 0));
    EXPECT_TRUE(link.SendPacket(kZeros, 22));
    EXPECT_EQ(link.QueuedByteCount(), 0u);
    EXPECT_EQ(box.Receive(),
              std::string("SEND\x03\x80\x54\x6E\x42", 9) + "SEND\x16" + std::string(23, '\0'));
}

TEST_F(LinkReaderSend, TextBoxGetsAnSLineThroughTheQueue) {
    OpenAs(ConnectionType::Vx101Usb);
    EXPECT_TRUE(link.SendPacket(kMessage, 3));
    EXPECT_FALSE(link.SendPacket(kZeros, 23));
    EXPECT_EQ(link.QueuedByteCount(), 9u);
    EXPECT_EQ(box.Receive(), "") << "nothing before the transmit thread sends it";
    EXPECT_EQ(SendQueued(), "S80546E\r\n");
}

TEST_F(LinkReaderSend, NothingGoesWhileThePortOrSocketIsClosedOrARecordingPlays) {
    for (ConnectionType type : {ConnectionType::Vx100Serial, ConnectionType::Vx101Usb}) {
        link.SetPortName("/dev/rovik-no-such-port");
        link.SetConnectionType(type);
        EXPECT_FALSE(link.SendPacket(kMessage, 3));
    }
    link.SetHostAddress("127.0.0.1");
    link.SetTcpPort(1);
    link.SetConnectionType(ConnectionType::Vx150Wifi);
    EXPECT_FALSE(link.SendPacket(kMessage, 3));
    EXPECT_EQ(link.QueuedByteCount(), 0u);

    TempFolder folder;
    std::ofstream(folder.File("drive.rvk")) << "Raw Log\r\n";
    test::TestLink playback(UniqueBlock() + "-playback", true);
    playback.link.SetPortName(folder.File("drive.rvk"));
    playback.link.SetConnectionType(ConnectionType::Vx101Usb);
    ASSERT_TRUE(playback.link.IsOpen());
    EXPECT_FALSE(playback.link.SendPacket(kMessage, 3));
    EXPECT_EQ(playback.link.QueuedByteCount(), 0u);
}

TEST_F(LinkReaderSend, OneByteTextChunksSetTheShortReadFlagAndLongerOnesClearIt) {
    OpenAs(ConnectionType::Vx101Usb);
    box.Send("J");
    PassUntilBytes(1);
    EXPECT_TRUE(parts.box.IsShortRead());
    box.Send("S 0C\r\n");
    PassUntilBytes(7);
    EXPECT_FALSE(parts.box.IsShortRead());
    box.Send("J");
    PassUntilBytes(8);
    EXPECT_TRUE(parts.box.IsShortRead());

    link.SetConnectionType(ConnectionType::Vx100Serial);
    box.Send("\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF");
    PassUntilBytes(8);
    EXPECT_TRUE(parts.box.IsShortRead()) << "binary chunks leave the flag alone";
}

TEST(LinkReaderRequest, TakesTheEndpointAtOnceAndLeavesTheOpenToTheReceiveThread) {
    PtyBox box;
    test::TestLink parts(UniqueBlock());
    LinkReader& link = parts.link;
    link.RequestOpen({ConnectionType::Vx101Usb, box.device, "10.1.2.3", 4000});
    EXPECT_EQ(link.GetPortName(), box.device);
    EXPECT_EQ(link.GetHostAddress(), "10.1.2.3");
    EXPECT_EQ(link.GetTcpPort(), 4000);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(link.OpenWhenRequested());
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.GetConnectionType(), ConnectionType::Vx101Usb);
    EXPECT_EQ(link.GetStatus(), LinkStatus::Starting);
    EXPECT_FALSE(link.OpenWhenRequested()) << "a request is done once";
}

TEST(LinkReaderRequest, TheReceiveThreadOpensWhatTheInterfaceAskedFor) {
    PtyBox box;
    test::TestLink parts(UniqueBlock());
    LinkReader& link = parts.link;
    LinkThreads threads(link);
    threads.Start();
    link.RequestOpen({ConnectionType::Vx101Usb, box.device, "", 0});
    for (int i = 0; i < 200 && !link.IsOpen(); ++i) {
        threads.WakeReceiver();
        ::usleep(5000);
    }
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.GetConnectionType(), ConnectionType::Vx101Usb);
    threads.Stop();
}

TEST(TransmitRing, ACommandIsQueuedWholeOrNotAtAll) {
    test::TestLink parts(UniqueBlock());
    LinkReader& link = parts.link;
    ASSERT_TRUE(link.QueueString(std::string(190, 'x')));
    EXPECT_FALSE(link.QueueString("M000101\n\r\n"));
    EXPECT_EQ(link.QueuedByteCount(), 190u);
    EXPECT_TRUE(link.QueueString("M000101\n\r"));
    EXPECT_EQ(link.QueuedByteCount(), 199u);
}
