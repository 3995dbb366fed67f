#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Waiting.h"

#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/PlayToTheEnd.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using rovik::test::PlayToTheEnd;

using rovik::test::UniqueBlock;
using rovik::test::WaitFor;

namespace {
constexpr int kSlots = 4;
constexpr unsigned kIndexes = 256;

// Passes until nothing arrived for a fifth of a second: the box has nothing more to say.
void DrainBox(LinkReader& link, LinkThreads& threads) {
    std::uint32_t seen;
    do {
        seen = link.GetByteCount();
        for (int i = 0; i < 20; ++i) {
            threads.WakeReceiver();
            ::usleep(10000);
        }
    } while (link.GetByteCount() != seen);
}

}  // namespace

// What the live link made of a drive, the replay of its raw log makes again: every value the
// decoders stored, slot by slot.
TEST(RecordAndReplay, AReplayedRawLogGivesTheValuesOfTheLiveDrive) {
    std::string path = (std::filesystem::temp_directory_path() /
                        ("rovik-replay-" + std::to_string(::getpid()) + ".rvk"))
                           .string();
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    vxbsim::Emulator box(vxbsim::BoxModel::Vx100, pty, 20);
    test::TestLink liveParts(UniqueBlock() + "-live");
    LinkReader& live = liveParts.link;
    live.RawLogging().SetFileName(path);
    ASSERT_TRUE(live.RawLogging().Start());
    live.SetPortName(pty.DevicePath());
    live.SetConnectionType(ConnectionType::Vx100Serial);
    box.Start();
    LinkThreads threads(live);
    threads.Start();
    ASSERT_TRUE(WaitFor(
        threads, [&] { return live.GetByteCount() > 4000; }, 10));
    box.Stop();
    DrainBox(live, threads);
    threads.Stop();
    live.RawLogging().Stop();

    test::TestLink replayParts(UniqueBlock() + "-replay", true);

    LinkReader& replay = replayParts.link;
    replay.SetPortName(path);
    replay.SetConnectionType(ConnectionType::Vx100Serial);
    PlayToTheEnd(replay);
    EXPECT_EQ(replay.GetByteCount(), live.GetByteCount() + 9);
    int compared = 0;
    for (int slot = 0; slot < kSlots; ++slot) {
        for (unsigned index = 0; index < kIndexes; ++index) {
            if (liveParts.values.Store().SlotUpdateCount(slot, index) == 0)
                continue;
            ++compared;
            EXPECT_EQ(replayParts.values.Store().SlotValue(slot, index),
                      liveParts.values.Store().SlotValue(slot, index))
                << "slot " << slot << " index " << index;
            // The header spoils the recording's first frame, so one update may be missing.
            EXPECT_GE(replayParts.values.Store().SlotUpdateCount(slot, index) + 1,
                      liveParts.values.Store().SlotUpdateCount(slot, index));
        }
    }
    EXPECT_GT(compared, 25);
    EXPECT_GT(replayParts.values.GetValue(190), 0.0);
    std::filesystem::remove(path);
}
