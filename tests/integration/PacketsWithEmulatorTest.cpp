#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "Waiting.h"
#include "core/link/FrameSink.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;

namespace {
const vxbsim::Message kFromPass = {0xB6, 0xFE, 0x00};
const vxbsim::Message kFromWindow = {0xB6, 0x01, 0x02, 0x03};
constexpr int kEach = 15;

// Sends a packet from inside a receive pass whenever bytes arrive, as the tire monitor
// answers a sensor it heard.
struct SendingSink : FrameSink {
    explicit SendingSink(LinkReader& reader) : link(reader) {}
    bool Consume(const std::uint8_t*, std::size_t) override {
        sent += sent < kEach && link.SendPacket(kFromPass.data(), kFromPass.size()) ? 1 : 0;
        return false;
    }
    LinkReader& link;
    std::atomic<int> sent{0};
};
}  // namespace

TEST(PacketsWithEmulator, PacketsFromTheReceiveAndInterfaceThreadsReachTheBoxWhole) {
    for (auto [model, type] : {std::pair{vxbsim::BoxModel::Vx100, ConnectionType::Vx100Serial},
                               std::pair{vxbsim::BoxModel::Vx101, ConnectionType::Vx101Usb}}) {
        vxbsim::PtyEndpoint pty;
        vxbsim::Emulator box(model, pty, 20);
        box.Start();
        test::TestLink parts(test::UniqueBlock());
        parts.link.SetPortName(pty.DevicePath());
        parts.link.SetConnectionType(type);
        parts.link.SetTransmitDelay(1);
        SendingSink sink(parts.link);
        parts.link.SetFrameSink(&sink);
        LinkThreads threads(parts.link);
        threads.Start();
        for (int fromWindow = 0; fromWindow < kEach;) {
            fromWindow += parts.link.SendPacket(kFromWindow.data(), kFromWindow.size()) ? 1 : 0;
            threads.WakeReceiver();
        }
        ASSERT_TRUE(test::WaitFor(threads, [&] { return box.J1708Sent().size() == 2u * kEach; }));
        const std::vector<vxbsim::Message> sent = box.J1708Sent();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kFromPass), kEach);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kFromWindow), kEach);
        threads.Stop();
    }
}
