#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
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
using rovik::test::Bytes;
using rovik::test::Hex;
using rovik::test::PlayToTheEnd;
using rovik::test::WithChecksum;

namespace {
const std::string kHeader = "Raw Log\r\n";
// Engine: road speed 60 mph (item 84, 0.5 mph a count).
const Bytes kRoadSpeed = WithChecksum({128, 84, 120});
// Engine: total miles 412345.6 (item 245, four bytes of 0.1 mi).
const Bytes kTotalMiles = WithChecksum({128, 245, 4, 0x40, 0xEB, 0x3E, 0x00});

std::string UniqueBlock() {
    return "/RovikRawLogTest-" + std::to_string(::getpid());
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Binary(const Bytes& message) {
    return std::string(message.begin(), message.end()) + "\xFF\xFF\xFF\xFF";
}

std::string Line(const Bytes& message) {
    return "J" + Hex(message) + "\r\n";
}
}  // namespace

TEST(RawLog, StartedAndStoppedWithNoDataHoldsExactlyTheHeader) {
    TempFolder folder;
    Write(folder.File("drive.rvk"), "an older recording");
    RawLog log;
    log.SetFileName(folder.File("drive"));
    ASSERT_TRUE(log.Start());
    EXPECT_TRUE(log.IsOn());
    EXPECT_EQ(log.FileName(), folder.File("drive.rvk"));
    log.Stop();
    EXPECT_FALSE(log.IsOn());
    EXPECT_EQ(Contents(folder.File("drive.rvk")), kHeader);
}

TEST(RawLog, TheExtensionIsAddedUnlessTheNameEndsInItInAnyCase) {
    EXPECT_EQ(RawLog::FileNameFor("Trip"), "Trip.rvk");
    EXPECT_EQ(RawLog::FileNameFor("Trip.RVK"), "Trip.RVK");
    EXPECT_EQ(RawLog::FileNameFor("trip.rvk.txt"), "trip.rvk.txt.rvk");
    EXPECT_EQ(RawLog::FileNameFor("rvk"), "rvk.rvk");
}

TEST(RawLog, AFileThatCannotBeMadeLeavesLoggingOff) {
    TempFolder folder;
    RawLog log;
    log.SetFileName(folder.File("no-such-folder/drive.rvk"));
    EXPECT_FALSE(log.Start());
    EXPECT_FALSE(log.IsOn());
    const std::uint8_t byte = 1;
    log.Append(&byte, 1);
    EXPECT_FALSE(log.IsOn());
}

TEST(RawLog, TheReceivePassRecordsEveryChunkAsReadUntilStopped) {
    TempFolder folder;
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    link.SetPortName(box.device);
    link.SetConnectionType(ConnectionType::Vx100Serial);
    link.RawLogging().SetFileName(folder.File("drive.rvk"));
    ASSERT_TRUE(link.RawLogging().Start());
    const std::string sent = "\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF\x00\x0D\x0A";
    box.Send(sent);
    for (int i = 0; i < 100 && link.GetByteCount() < sent.size(); ++i) {
        link.ReceivePass();
        ::usleep(5000);
    }
    link.RawLogging().Stop();
    box.Send("after");
    for (int i = 0; i < 100 && link.GetByteCount() < sent.size() + 5; ++i) {
        link.ReceivePass();
        ::usleep(5000);
    }
    EXPECT_EQ(Contents(folder.File("drive.rvk")), kHeader + sent);
}

// Run under ThreadSanitizer in CI: the user starts and stops the log while passes append.
TEST(RawLog, StoppingNeverOverlapsARunningPass) {
    TempFolder folder;
    PtyBox box;
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    link.SetPortName(box.device);
    link.SetConnectionType(ConnectionType::Vx100Serial);
    link.RawLogging().SetFileName(folder.File("drive.rvk"));
    LinkThreads threads(link);
    threads.Start();
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(link.RawLogging().Start());
        box.Send(Binary(kRoadSpeed));
        threads.WakeReceiver();
        ::usleep(2000);
        link.RawLogging().Stop();
    }
    threads.Stop();
    std::string recorded = Contents(folder.File("drive.rvk"));
    EXPECT_EQ(recorded.substr(0, kHeader.size()), kHeader);
}

TEST(PlaybackLinkReader, ReplaysFiftyBytesAPassDropsQueuedBytesAndRetriesAMissingFile) {
    TempFolder folder;
    test::TestLink linkParts(UniqueBlock(), true);
    LinkReader& link = linkParts.link;
    EXPECT_EQ(link.RawLogging().FileName(), "");
    link.SetPortName(folder.File("later.rvk"));
    link.SetConnectionType(ConnectionType::Vx100Serial);
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    link.ReopenWhenFailed();
    link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    Write(folder.File("later.rvk"), std::string(120, 'a'));
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

// A binary frame is checked when the next one begins, so the last frame waits for more.
TEST(PlaybackLinkReader, BinaryRecordingDropsItsHeaderWithTheFirstFrame) {
    TempFolder folder;
    Write(folder.File("drive.rvk"),
          kHeader + Binary(kRoadSpeed) + Binary(kTotalMiles) + Binary(kRoadSpeed));
    test::TestLink linkParts(UniqueBlock(), true);
    LinkReader& link = linkParts.link;
    link.SetPortName(folder.File("drive.rvk"));
    link.SetConnectionType(ConnectionType::Vx100Serial);
    PlayToTheEnd(link);
    EXPECT_EQ(linkParts.values.GetUpdateCount(84), 0u);
    EXPECT_FLOAT_EQ(linkParts.values.GetValue(245), 412345.6f);
}

TEST(PlaybackLinkReader, InTextAHighByteDropsWhatCameBeforeItOnTheLine) {
    TempFolder folder;
    std::string cut = Line(kTotalMiles);
    Write(folder.File("drive.rvk"),
          kHeader + "noise\xB0" + Line(kRoadSpeed) + cut.substr(0, 6) + "\x80" + cut.substr(6));
    for (ConnectionType type : {ConnectionType::Vx101Usb, ConnectionType::Vx150Wifi}) {
        test::TestLink linkParts(UniqueBlock(), true);
        LinkReader& link = linkParts.link;
        link.SetPortName(folder.File("drive.rvk"));
        link.SetConnectionType(type);
        PlayToTheEnd(link);
        EXPECT_DOUBLE_EQ(linkParts.values.GetValue(84), 60.0);
        EXPECT_EQ(linkParts.values.GetUpdateCount(84), 1u);
        EXPECT_EQ(linkParts.values.GetUpdateCount(245), 0u);
    }
}

TEST(PlaybackLinkReader, AtTheEndValuesStayUntilTheyAgeOut) {
    TempFolder folder;
    Write(folder.File("drive.rvk"), kHeader + Line(kRoadSpeed) + Line(kTotalMiles));
    test::TestLink linkParts(UniqueBlock(), true);
    LinkReader& link = linkParts.link;
    link.SetPortName(folder.File("drive.rvk"));
    link.SetConnectionType(ConnectionType::Vx101Usb);
    PlayToTheEnd(link);
    for (int pass = 0; pass < 30; ++pass)
        link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
    EXPECT_DOUBLE_EQ(linkParts.values.GetValue(84), 60.0);
    for (int second = 0; second < 20; ++second)
        linkParts.values.Age();
    EXPECT_DOUBLE_EQ(linkParts.values.GetValue(84), 0.0);
    EXPECT_FLOAT_EQ(linkParts.values.GetValue(245), 412345.6f);
}

TEST(PlaybackLinkReader, AnOverrunStartsTheRecordingAgain) {
    TempFolder folder;
    Write(folder.File("drive.rvk"), kHeader + Line(kRoadSpeed) + std::string(300, 'x'));
    test::TestLink linkParts(UniqueBlock(), true);
    LinkReader& link = linkParts.link;
    link.SetPortName(folder.File("drive.rvk"));
    link.SetConnectionType(ConnectionType::Vx101Usb);
    while (link.GetStatus() != LinkStatus::PortFailure && link.GetByteCount() < 400)
        link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::PortFailure);
    link.ReopenWhenFailed();
    EXPECT_EQ(link.GetByteCount(), 0u);
    link.ReceivePass();
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
    EXPECT_EQ(linkParts.values.GetUpdateCount(84), 2u);
}
