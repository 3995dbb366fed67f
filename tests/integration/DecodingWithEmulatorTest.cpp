#include <gtest/gtest.h>

#include "Waiting.h"
#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "core/values/PreferredSourceTable.h"
#include "support/MessageBytes.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

using namespace rovik;
using namespace rovik::test;

namespace {
std::string Binary(const Bytes& message) {
    Bytes frame = WithChecksum(message);
    frame.insert(frame.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    return std::string(frame.begin(), frame.end());
}

std::string J1708Line(const Bytes& message) {
    return "J" + Hex(WithChecksum(message)) + "\r\n";
}

// Engine: road speed 55 mph, coolant 190 F, engine speed 1500 rpm.
const Bytes kEngine = {128, 84, 110, 110, 190, 190, 0x70, 0x17};

struct Decoding : ::testing::Test {
    vxbsim::PtyEndpoint& Pty() {
        auto pty = std::make_unique<vxbsim::PtyEndpoint>();
        vxbsim::PtyEndpoint& made = *pty;
        endpoint = std::move(pty);
        return made;
    }
    vxbsim::TcpEndpoint& Tcp() {
        auto server = std::make_unique<vxbsim::TcpEndpoint>(0);
        vxbsim::TcpEndpoint& made = *server;
        endpoint = std::move(server);
        return made;
    }
    void Connect(vxbsim::BoxModel model, ConnectionType type) {
        box = std::make_unique<vxbsim::Emulator>(model, *endpoint, 20);
        box->SetScripted(true);
        box->Start();
        link.SetConnectionType(type);
        threads.Start();
    }
    ~Decoding() override {
        threads.Stop();
        if (box) {
            box->Stop();
        }
    }
    std::uint32_t Count(int slot, unsigned pid) {
        return linkParts.values.Store().SlotUpdateCount(slot, pid);
    }
    bool Arrived(int slot, unsigned pid, std::uint32_t count) {
        return WaitFor(threads, [&] { return Count(slot, pid) >= count; });
    }

    test::TestLink linkParts{UniqueBlock()};

    LinkReader& link = linkParts.link;
    LinkThreads threads{link};
    // The box's thread uses the endpoint until the box is stopped.
    std::unique_ptr<vxbsim::Endpoint> endpoint;
    std::unique_ptr<vxbsim::Emulator> box;
};
}  // namespace

TEST_F(Decoding, SerialBoxBinaryFramesFillTheirSlots) {
    vxbsim::PtyEndpoint& pty = Pty();
    ASSERT_TRUE(pty.IsOpen());
    link.SetPortName(pty.DevicePath());
    Connect(vxbsim::BoxModel::Vx100, ConnectionType::Vx100Serial);
    box->Send(Binary(kEngine) + Binary(kEngine) + Binary({130, 177, 0x40, 0x02}) +
              Binary({128, 245, 4, 0x10, 0x27, 0, 0}) + Binary({128, 84, 120}));
    ASSERT_TRUE(Arrived(kEngineSlot, 245, 1));
    EXPECT_EQ(Count(kEngineSlot, 84), 2u);
    EXPECT_EQ(Count(kEngineSlot, 190), 2u);
    EXPECT_EQ(Count(kEngineSlot, 110), 2u);
    EXPECT_EQ(linkParts.values.GetValue(84), 55.0);
    EXPECT_EQ(linkParts.values.GetValue(190), 1500.0);
    EXPECT_EQ(linkParts.values.GetValue(110), 190.0);
    EXPECT_EQ(linkParts.values.Store().SlotValue(kTransmissionSlot, 177), 144.0);
    EXPECT_FLOAT_EQ(static_cast<float>(linkParts.values.GetValue(245)), 1000.0f);
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
}

TEST_F(Decoding, WifiBoxTextLinesCarryBothLinks) {
    vxbsim::TcpEndpoint& server = Tcp();
    ASSERT_TRUE(server.IsListening());
    link.SetHostAddress("127.0.0.1");
    link.SetTcpPort(server.Port());
    Connect(vxbsim::BoxModel::Vx150, ConnectionType::Vx150Wifi);
    // Bytes fed before the box took the connection would go nowhere.
    ASSERT_TRUE(WaitFor(threads, [&] { return !box->Received().empty(); }));
    // Engine hours 100.0 h, then a reading that went backwards, then 100.5 h, all over J1939.
    box->Send(J1708Line(kEngine) + "R0000FEE5D0070000FFFFFFFF\r\n" +
              "R0000FEE5BC070000FFFFFFFF\r\n" + "R0000FEE5DA070000FFFFFFFF\r\n" +
              "R0300F004000000300CFFFFFF\r\n" + "VXB150 2.0\r\n");
    ASSERT_TRUE(WaitFor(threads, [&] { return linkParts.box.Version() == "VXB150 2.0"; }));
    EXPECT_EQ(linkParts.values.GetValue(84), 55.0);
    EXPECT_EQ(linkParts.values.GetValue(110), 190.0);
    EXPECT_EQ(Count(kEngineSlot, 247), 2u);
    EXPECT_FLOAT_EQ(static_cast<float>(linkParts.values.Store().SlotValue(kEngineSlot, 247)),
                    100.5f);
    EXPECT_EQ(linkParts.values.Store().SlotValue(kTransmissionSlot, 190), 390.0);
    EXPECT_EQ(Count(kEngineSlot, 190), 1u);
}

TEST_F(Decoding, UsbBoxReportsAVehicleThatFellSilent) {
    vxbsim::PtyEndpoint& pty = Pty();
    ASSERT_TRUE(pty.IsOpen());
    link.SetPortName(pty.DevicePath());
    Connect(vxbsim::BoxModel::Vx101, ConnectionType::Vx101Usb);
    box->SetScripted(false);
    const auto ok = LinkStatus::Ok;
    const auto engineSide = LinkStatus::EngineSideFailure;
    ASSERT_TRUE(Arrived(kEngineSlot, 190, 3));
    EXPECT_EQ(link.GetStatus(), ok);
    EXPECT_GT(Count(kEngineSlot, 85), 0u);
    box->SetVehicleSilent(true);
    EXPECT_TRUE(WaitFor(threads, [&] { return link.GetStatus() == engineSide; }));
    box->SetVehicleSilent(false);
    EXPECT_TRUE(WaitFor(threads, [&] { return link.GetStatus() == ok; }));
}
