#include <gtest/gtest.h>

#include "Waiting.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using rovik::test::UniqueBlock;
using rovik::test::WaitFor;

TEST(DecodingWithEmulator, SerialBoxFramesReachTheEngineSlot) {
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    vxbsim::Emulator box(vxbsim::BoxModel::Vx100, pty, 20);
    box.Start();
    LinkReader link(UniqueBlock());
    link.SetPortName(pty.DevicePath());
    link.SetConnectionType(ConnectionType::Vx100Serial);
    LinkThreads threads(link);
    threads.Start();
    const ValueStore& store = link.Store();
    EXPECT_TRUE(WaitFor(threads, [&] { return store.SlotUpdateCount(kEngineSlot, 190) >= 3; }));
    threads.Stop();
    EXPECT_GE(store.SlotUpdateCount(kEngineSlot, 84), 3u);
    EXPECT_GE(store.SlotUpdateCount(kEngineSlot, 110), 3u);
    EXPECT_GE(link.GetValue(190), 600.0);
    EXPECT_LE(link.GetValue(190), 3000.0);
    EXPECT_GE(link.GetValue(110), 60.0);
    EXPECT_LE(link.GetValue(110), 250.0);
    EXPECT_EQ(store.SlotUpdateCount(kBrakesSlot, 190), 0u);
}
