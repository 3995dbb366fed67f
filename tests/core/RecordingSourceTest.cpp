#include <gtest/gtest.h>

#include <fstream>

#include "PtyLink.h"
#include "TempFolder.h"
#include "support/MessageBytes.h"
#include "support/PlayToTheEnd.h"

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
