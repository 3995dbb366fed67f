#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "Waiting.h"
#include "core/link/FrameSink.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace rovik;
using rovik::test::UniqueBlock;
using rovik::test::WaitFor;

namespace {
const vxbsim::Message kFromPass = {0xB6, 0xFE, 0x00};
const vxbsim::Message kFromWindow = {0xB6, 0x01, 0x02, 0x03};
constexpr int kEach = 15;

// Sends a packet from inside a receive pass whenever bytes arrive, as the tire monitor
// answers a sensor it heard.
struct SendingSink : FrameSink {
    explicit SendingSink(LinkReader& reader) : link(reader) {}
    bool Consume(const std::uint8_t*, std::size_t) override {
        if (sent < kEach && link.SendPacket(kFromPass.data(), kFromPass.size())) {
            ++sent;
        }
        return false;
    }
    LinkReader& link;
    std::atomic<int> sent{0};
};
}  // namespace

TEST(PacketsWithEmulator, PacketsFromTheReceiveAndInterfaceThreadsReachTheBoxWhole) {
    const std::pair<vxbsim::BoxModel, ConnectionType> boxes[] = {
        {vxbsim::BoxModel::Vx100, ConnectionType::Vx100Serial},
        {vxbsim::BoxModel::Vx101, ConnectionType::Vx101Usb},
    };
    for (const auto& [model, type] : boxes) {
        vxbsim::PtyEndpoint pty;
        vxbsim::Emulator box(model, pty, 20);
        box.Start();
        test::TestLink parts(UniqueBlock());
        LinkReader& link = parts.link;
        link.SetPortName(pty.DevicePath());
        link.SetConnectionType(type);
        link.SetTransmitDelay(1);
        SendingSink sink(link);
        link.SetFrameSink(&sink);
        LinkThreads threads(link);
        threads.Start();
        int fromWindow = 0;
        while (fromWindow < kEach) {
            fromWindow += link.SendPacket(kFromWindow.data(), kFromWindow.size()) ? 1 : 0;
            threads.WakeReceiver();
        }
        ASSERT_TRUE(WaitFor(threads, [&] {
            return sink.sent == kEach && box.J1708Sent().size() == 2u * kEach;
        })) << box.J1708Sent().size();
        const std::vector<vxbsim::Message> sent = box.J1708Sent();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kFromPass), kEach);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), kFromWindow), kEach);
        threads.Stop();
    }
}
