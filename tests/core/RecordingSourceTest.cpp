#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "PtyBox.h"
#include "TempFolder.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/MessageBytes.h"
#include "support/PlayToTheEnd.h"
#include "support/TestLink.h"

using namespace rovik;
using namespace rovik::test;

namespace {
const std::string kHeader = RawLog::kHeader;
// Engine: road speed 60 mph (item 84, 0.5 mph a count).
const Bytes kRoadSpeed = WithChecksum({128, 84, 120});
// Engine: total miles 412345.6 (item 245, four bytes of 0.1 mi).
const Bytes kTotalMiles = WithChecksum({128, 245, 4, 0x40, 0xEB, 0x3E, 0x00});

std::string Line(const Bytes& message) {
    return "J" + Hex(message) + "\r\n";
}

std::string UniqueBlock() {
    return "/RovikReplayTest-" + std::to_string(::getpid());
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
    TestLink parts{UniqueBlock(), true};
    LinkReader& link = parts.link;
};
}  // namespace

TEST(RawLog, StartAddsTheExtensionAndEmptiesTheFileForTheHeaderOrLeavesLoggingOff) {
    for (auto [typed, used] :
         {std::pair{"Trip", "Trip.rvk"}, std::pair{"Trip.RVK", "Trip.RVK"},
          std::pair{"trip.rvk.txt", "trip.rvk.txt.rvk"}, std::pair{"rvk", "rvk.rvk"}}) {
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
