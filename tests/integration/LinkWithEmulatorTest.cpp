#include <gtest/gtest.h>

#include "Waiting.h"

#include "core/link/LinkReader.h"
#include "core/link/LinkThreads.h"
#include "support/TestLink.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

using namespace rovik;

using rovik::test::UniqueBlock;
using rovik::test::WaitFor;

TEST(LinkWithEmulator, SerialBoxStreamsThenFallsSilent) {
    vxbsim::PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    vxbsim::Emulator box(vxbsim::BoxModel::Vx100, pty, 20);
    box.Start();
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    link.SetPortName(pty.DevicePath());
    link.SetConnectionType(ConnectionType::Vx100Serial);
    LinkThreads threads(link);
    threads.Start();
    EXPECT_TRUE(WaitFor(threads, [&] { return link.GetByteCount() > 100; }));
    EXPECT_EQ(link.GetStatus(), LinkStatus::Ok);
    box.SetSilent(true);
    EXPECT_TRUE(WaitFor(threads, [&] { return link.GetStatus() == LinkStatus::BoxSideFailure; }));
    threads.Stop();
}

TEST(LinkWithEmulator, UsbBoxHearsTheVersionRequestAndQueuedCommandsInOrder) {
    vxbsim::PtyEndpoint pty;
    vxbsim::Emulator box(vxbsim::BoxModel::Vx101, pty, 20);
    box.Start();
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    link.SetPortName(pty.DevicePath());
    link.SetConnectionType(ConnectionType::Vx101Usb);
    link.SetTransmitDelay(2);
    LinkThreads threads(link);
    threads.Start();
    link.QueueString("R0006\n\r");
    EXPECT_TRUE(WaitFor(threads, [&] {
        return box.Received().find("R0006\n\r") != std::string::npos &&
               box.Received().find('V') != std::string::npos;
    }));
    threads.Stop();
}

TEST(LinkWithEmulator, WifiBoxGetsTheGreetingAndStreams) {
    vxbsim::TcpEndpoint server(0);
    ASSERT_TRUE(server.IsListening());
    vxbsim::Emulator box(vxbsim::BoxModel::Vx150, server, 20);
    box.Start();
    test::TestLink linkParts(UniqueBlock());
    LinkReader& link = linkParts.link;
    link.SetHostAddress("127.0.0.1");
    link.SetTcpPort(server.Port());
    link.SetConnectionType(ConnectionType::Vx150Wifi);
    EXPECT_EQ(link.GetStatus(), LinkStatus::WifiConnected);
    LinkThreads threads(link);
    threads.Start();
    EXPECT_TRUE(WaitFor(threads, [&] {
        return box.Received().rfind("V\r\n", 0) == 0 && link.GetByteCount() > 100;
    }));
    threads.Stop();
}
