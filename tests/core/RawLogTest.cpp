#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "PtyBox.h"
#include "TempFolder.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/TestLink.h"

using namespace rovik;

namespace {
const std::string kHeader = RawLog::kHeader;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
}  // namespace

TEST(RawLog, TheExtensionIsAddedUnlessTheNameEndsInItInAnyCase) {
    EXPECT_EQ(RawLog::FileNameFor("Trip"), "Trip.rvk");
    EXPECT_EQ(RawLog::FileNameFor("Trip.RVK"), "Trip.RVK");
    EXPECT_EQ(RawLog::FileNameFor("trip.rvk.txt"), "trip.rvk.txt.rvk");
    EXPECT_EQ(RawLog::FileNameFor("rvk"), "rvk.rvk");
}

TEST(RawLog, StartEmptiesTheFileForTheHeaderOrLeavesLoggingOff) {
    TempFolder folder;
    std::ofstream(folder.File("drive.rvk"), std::ios::binary) << "an older recording";
    RawLog log;
    log.SetFileName(folder.File("drive"));
    ASSERT_TRUE(log.Start());
    EXPECT_TRUE(log.IsOn());
    EXPECT_EQ(log.FileName(), folder.File("drive.rvk"));
    log.Stop();
    EXPECT_FALSE(log.IsOn());
    EXPECT_EQ(Contents(folder.File("drive.rvk")), kHeader);

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
    test::TestLink parts("/RovikRawLogTest-" + std::to_string(::getpid()));
    LinkReader& link = parts.link;
    link.SetPortName(box.device);
    link.SetConnectionType(ConnectionType::Vx100Serial);
    link.RawLogging().SetFileName(folder.File("drive.rvk"));
    LinkThreads threads(link);
    threads.Start();
    std::uint32_t sent = 0;
    auto send = [&](const std::string& bytes) {
        box.Send(bytes);
        sent += static_cast<std::uint32_t>(bytes.size());
    };
    auto passUntilAllRead = [&] {
        for (int i = 0; i < 200 && link.GetByteCount() < sent; ++i) {
            threads.WakeReceiver();
            ::usleep(5000);
        }
    };
    const std::string frame = "\x80\x54\x6E\xBE\xFF\xFF\xFF\xFF\x00\x0D\x0A";
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(link.RawLogging().Start());
        send(frame);
        threads.WakeReceiver();
        ::usleep(2000);
        link.RawLogging().Stop();
    }
    passUntilAllRead();
    ASSERT_TRUE(link.RawLogging().Start());
    send(frame);
    passUntilAllRead();
    link.RawLogging().Stop();
    send("after");
    passUntilAllRead();
    threads.Stop();
    EXPECT_EQ(link.GetByteCount(), sent);
    EXPECT_EQ(Contents(folder.File("drive.rvk")), kHeader + frame);
}
