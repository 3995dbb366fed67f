#include <gtest/gtest.h>

#include <fstream>

#include "PtyLink.h"
#include "TempFolder.h"
#include "core/link/LinkThreads.h"

using namespace rovik;
using namespace rovik::test;

namespace {
const std::string kHeader = RawLog::kHeader;
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
