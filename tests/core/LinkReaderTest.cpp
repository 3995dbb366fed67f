#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "PtyBox.h"
#include "TempFolder.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "core/values/PreferredSourceTable.h"
#include "support/MessageBytes.h"
#include "support/PlayToTheEnd.h"
#include "support/TestLink.h"

using namespace rovik;
using namespace rovik::test;

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

namespace {
const std::string kHeader = RawLog::kHeader;
// Engine: road speed 60 mph (item 84, 0.5 mph a count).
const Bytes kRoadSpeed = WithChecksum({128, 84, 120});
// Engine: total miles 412345.6 (item 245, four bytes of 0.1 mi).
const Bytes kTotalMiles = WithChecksum({128, 245, 4, 0x40, 0xEB, 0x3E, 0x00});

std::string Line(const Bytes& message) {
    return "J" + Hex(message) + "\r\n";
}

// A recording in a folder of its own, and a link that replays it.
struct Replay {
    Replay(ConnectionType type, const std::string& recording) {
        std::ofstream(path, std::ios::binary) << recording;
        link.SetPortName(path);
        link.SetConnectionType(type);
    }

    TempFolder folder;
    std::string path = folder.File("drive.rvk");
    test::TestLink parts{UniqueBlock(), true};
    LinkReader& link = parts.link;
};
}  // namespace

TEST(RawLog, StartAddsTheExtensionAndEmptiesTheFileForTheHeaderOrLeavesLoggingOff) {
    for (auto [typed, used] : {std::pair{"Trip", "Trip.rvk"}, std::pair{"Trip.RVK", "Trip.RVK"},
                               std::pair{"trip.rvk.txt", "trip.rvk.txt.rvk"}}) {
        EXPECT_EQ(RawLog::FileNameFor(typed), used);
    }
    TempFolder folder;
    std::ofstream(folder.File("drive.rvk"), std::ios::binary) << "an older recording";
    RawLog log;
    log.SetFileName(folder.File("drive"));
    ASSERT_TRUE(log.Start());
    EXPECT_TRUE(log.IsOn());
    EXPECT_EQ(log.FileName(), folder.File("drive.rvk"));
    log.Stop();
    EXPECT_FALSE(log.IsOn());
    EXPECT_EQ(folder.Contents("drive.rvk"), kHeader);

    log.SetFileName(folder.File("no-such-folder/drive.rvk"));
    EXPECT_FALSE(log.Start());
    const std::uint8_t byte = 1;
    log.Append(&byte, 1);
    EXPECT_FALSE(log.IsOn());
}

// Run under ThreadSanitizer in CI: the user starts and stops the log while passes append.
TEST(RawLog, RecordsEveryChunkAsReadWhileOnAndNeverStopsUnderAnAppend) {
    TempFolder folder;
    PtyBox box;
    TestLink parts(UniqueBlock());
    LinkReader& link = parts.link;
    link.SetPortName(box.device);
    link.SetConnectionType(ConnectionType::Vx100Serial);
    link.RawLogging().SetFileName(folder.File("drive.rvk"));
    LinkThreads threads(link);
    threads.Start();
    std::uint32_t sent = 0;
    // Sends the bytes, then wakes the receiver until it has read all that was sent.
    auto send = [&](const std::string& bytes, bool wait) {
        box.Send(bytes);
        sent += static_cast<std::uint32_t>(bytes.size());
        for (int i = 0; i < 200 && link.GetByteCount() < sent && wait; ++i) {
            threads.WakeReceiver();
            ::usleep(5000);
        }
    };
    const std::string frame = "\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF\x00\x0D\x0A";
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(link.RawLogging().Start());
        send(frame, false);
        threads.WakeReceiver();
        ::usleep(2000);
        link.RawLogging().Stop();
    }
    send("", true);
    ASSERT_TRUE(link.RawLogging().Start());
    send(frame, true);
    link.RawLogging().Stop();
    send("after", true);
    threads.Stop();
    EXPECT_EQ(link.GetByteCount(), sent);
    EXPECT_EQ(folder.Contents("drive.rvk"), kHeader + frame);
}

// Binary recordings are replayed against the live drive they recorded in the integration tests.
TEST(RecordingSource, ATextRecordingSkipsStrayBytesAndItsValuesStayAtTheEnd) {
    const std::string cut = Line(kTotalMiles);
    const std::string recording =
        kHeader + "noise\xB0" + Line(kRoadSpeed) + cut.substr(0, 6) + "\x80" + cut.substr(6);
    for (ConnectionType type : {ConnectionType::Vx101Usb, ConnectionType::Vx150Wifi}) {
        Replay replay(type, recording);
        PlayToTheEnd(replay.link);
        for (int pass = 0; pass < 30; ++pass)
            replay.link.ReceivePass();
        EXPECT_EQ(replay.link.GetStatus(), LinkStatus::Ok);
        EXPECT_EQ(replay.parts.values.GetValue(84), 60.0);
        EXPECT_EQ(replay.parts.values.GetUpdateCount(84), 1u);
        EXPECT_EQ(replay.parts.values.GetUpdateCount(245), 0u) << "the high byte cut its line";
    }
}

TEST(RecordingSource, ReplaysFiftyBytesAPassDropsQueuedBytesAndRetriesAMissingFile) {
    TempFolder folder;
    TestLink parts(UniqueBlock(), true);
    LinkReader& link = parts.link;
    EXPECT_EQ(link.RawLogging().FileName(), "");
    link.SetPortName(folder.File("later.rvk"));
    link.SetConnectionType(ConnectionType::Vx100Serial);
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    link.ReopenWhenFailed();
    link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    std::ofstream(folder.File("later.rvk"), std::ios::binary) << std::string(120, 'a');
    link.ReopenWhenFailed();
    link.QueueString("V");
    link.ReceivePass();
    link.SendOneQueuedByte();
    EXPECT_EQ(link.GetByteCount(), 50u);
    EXPECT_EQ(link.QueuedByteCount(), 0u);
    PlayToTheEnd(link);
    EXPECT_EQ(link.GetByteCount(), 120u);
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
}

TEST(RecordingSource, AnOverrunStartsTheRecordingAgain) {
    Replay replay(ConnectionType::Vx101Usb, kHeader + Line(kRoadSpeed) + std::string(300, 'x'));
    LinkReader& link = replay.link;
    while (link.GetStatus() != LinkStatus::PortFailure && link.GetByteCount() < 400)
        link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    link.ReopenWhenFailed();
    EXPECT_EQ(link.GetByteCount(), 0u);
    link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
    EXPECT_EQ(replay.parts.values.GetUpdateCount(84), 2u);
}
