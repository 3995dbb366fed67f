#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <memory>

#include "Waiting.h"
#include "core/TempFolder.h"
#include "core/link/FrameSink.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/PlayToTheEnd.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

using namespace rovik;
using rovik::test::UniqueBlock;
using rovik::test::WaitFor;

namespace {
struct TransportCase {
    const char* name;
    vxbsim::BoxModel model;
    ConnectionType type;
    // What the link says first on connecting.
    const char* greeting;
};

// The emulator on the transport of its model, and a link set to reach it.
struct Connection {
    explicit Connection(const TransportCase& transport) {
        if (transport.type == ConnectionType::Vx150Wifi) {
            auto server = std::make_unique<vxbsim::TcpEndpoint>(0);
            link.SetHostAddress("127.0.0.1");
            link.SetTcpPort(server->Port());
            endpoint = std::move(server);
        } else {
            auto pty = std::make_unique<vxbsim::PtyEndpoint>();
            link.SetPortName(pty->DevicePath());
            endpoint = std::move(pty);
        }
        box = std::make_unique<vxbsim::Emulator>(transport.model, *endpoint, 20);
    }
    ~Connection() {
        threads.Stop();
        box->Stop();
    }

    test::TestLink parts{UniqueBlock()};
    LinkReader& link = parts.link;
    LinkThreads threads{link};
    std::unique_ptr<vxbsim::Endpoint> endpoint;
    std::unique_ptr<vxbsim::Emulator> box;
};

const TransportCase kSerial = {"Serial", vxbsim::BoxModel::Vx100, ConnectionType::Vx100Serial, ""};
const TransportCase kUsb = {"Usb", vxbsim::BoxModel::Vx101, ConnectionType::Vx101Usb, ""};
const TransportCase kWifi = {"Wifi", vxbsim::BoxModel::Vx150, ConnectionType::Vx150Wifi, "V\r\n"};

class LinkReaderWithEmulator : public testing::TestWithParam<TransportCase> {};

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

// The link greets the box, reads both of its data links, sends it queued commands in order and
// reads the answers, and notices a silent vehicle and a silent box.
TEST_P(LinkReaderWithEmulator, StreamsHearsCommandsAndNoticesSilence) {
    const TransportCase& transport = GetParam();
    Connection c(transport);
    c.box->Start();
    c.link.SetTransmitDelay(2);
    c.link.SetConnectionType(transport.type);
    ASSERT_TRUE(c.link.IsOpen());
    c.threads.Start();
    c.link.QueueString("R0006\n\r");
    const LiveValues& values = c.parts.values;
    EXPECT_TRUE(WaitFor(c.threads, [&] {
        return values.GetUpdateCount(190) >= 3 &&
               c.box->Received().find("R0006\n\r") != std::string::npos;
    }));
    EXPECT_EQ(c.box->Received().rfind(transport.greeting, 0), 0u);
    EXPECT_EQ(c.link.GetStatus(), LinkStatus::Ok);
    if (transport.model != vxbsim::BoxModel::Vx100) {
        // Cruise status comes only over J1939; the version is asked for by the link itself.
        EXPECT_TRUE(WaitFor(c.threads, [&] {
            return values.GetUpdateCount(85) > 0 && c.parts.box.Version() == "VXBSIM 1.0" &&
                   c.parts.box.Registers().Get(6) == 10;
        }));
    }
    auto becomes = [&](LinkStatus status) {
        return WaitFor(c.threads, [&] { return c.link.GetStatus() == status; });
    };
    c.box->SetVehicleSilent(true);
    EXPECT_TRUE(becomes(LinkStatus::EngineSideFailure));
    c.box->SetVehicleSilent(false);
    EXPECT_TRUE(becomes(LinkStatus::Ok));
    c.box->SetSilent(true);
    EXPECT_TRUE(becomes(LinkStatus::BoxSideFailure));
}

// Packets sent at once from the receive thread and from the window's thread reach the box
// whole: none lost, none interleaved with another.
TEST_P(LinkReaderWithEmulator, PacketsFromTheReceiveAndInterfaceThreadsReachTheBoxWhole) {
    Connection c(GetParam());
    c.box->Start();
    c.link.SetConnectionType(GetParam().type);
    c.link.SetTransmitDelay(1);
    SendingSink sink(c.link);
    c.link.SetFrameSink(&sink);
    c.threads.Start();
    for (int fromWindow = 0; fromWindow < kEach;) {
        fromWindow += c.link.SendPacket(kFromWindow.data(), kFromWindow.size()) ? 1 : 0;
        c.threads.WakeReceiver();
    }
    ASSERT_TRUE(WaitFor(c.threads, [&] { return c.box->J1708Sent().size() == 2u * kEach; }));
    const std::vector<vxbsim::Message> sent = c.box->J1708Sent();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), kFromPass), kEach);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), kFromWindow), kEach);
}

INSTANTIATE_TEST_SUITE_P(Transports, LinkReaderWithEmulator, testing::Values(kSerial, kUsb, kWifi),
                         [](const auto& info) { return std::string(info.param.name); });

// A pass drains the socket in chunks; an overrun in the first marks the whole pass.
TEST(LinkReaderWithEmulator, AnOverrunInOneChunkMarksTheWholePass) {
    Connection c(kWifi);
    c.box->SetScripted(true);
    c.box->Start();
    c.link.SetConnectionType(ConnectionType::Vx150Wifi);
    for (int i = 0; i < 300 && c.box->Received().empty(); ++i) {
        ::usleep(10000);
    }
    ASSERT_EQ(c.box->Received(), "V\r\n") << "the box took the connection";
    c.box->Send(std::string(300, 'x'));
    ::usleep(100000);
    c.link.ReceivePass();
    EXPECT_EQ(c.link.GetByteCount(), 300u);
    EXPECT_EQ(c.link.GetStatus(), LinkStatus::PortFailure);
}

// What the live link made of a drive, the replay of its raw log makes again: every value the
// decoders stored, slot by slot.
TEST(LinkReaderWithEmulator, AReplayedRawLogGivesTheValuesOfTheLiveDrive) {
    TempFolder folder;
    const std::string path = folder.File("drive.rvk");
    Connection live(kSerial);
    live.link.RawLogging().SetFileName(path);
    ASSERT_TRUE(live.link.RawLogging().Start());
    live.link.SetConnectionType(ConnectionType::Vx100Serial);
    live.box->Start();
    live.threads.Start();
    ASSERT_TRUE(WaitFor(live.threads, [&] { return live.link.GetByteCount() > 4000; }));
    live.box->Stop();
    // Passes until nothing arrived for a fifth of a second: the box has nothing more to say.
    for (std::uint32_t seen = 0; seen != live.link.GetByteCount();) {
        seen = live.link.GetByteCount();
        WaitFor(
            live.threads, [] { return false; }, 0.2);
    }
    live.threads.Stop();
    live.link.RawLogging().Stop();

    test::TestLink replay(UniqueBlock() + "-replay", true);
    replay.link.SetPortName(path);
    replay.link.SetConnectionType(ConnectionType::Vx100Serial);
    test::PlayToTheEnd(replay.link);
    EXPECT_EQ(replay.link.GetByteCount(), live.link.GetByteCount() + 9);
    const ValueStore& played = replay.values.Store();
    const ValueStore& recorded = live.parts.values.Store();
    int compared = 0;
    for (int slot = 0; slot < 4; ++slot) {
        for (unsigned index = 0; index < 256; ++index) {
            if (recorded.SlotUpdateCount(slot, index) == 0)
                continue;
            ++compared;
            EXPECT_EQ(played.SlotValue(slot, index), recorded.SlotValue(slot, index))
                << "slot " << slot << " index " << index;
            // The header spoils the recording's first frame, so one update may be missing.
            EXPECT_GE(played.SlotUpdateCount(slot, index) + 1,
                      recorded.SlotUpdateCount(slot, index));
        }
    }
    EXPECT_GT(compared, 25);
}
