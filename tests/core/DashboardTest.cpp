#include <gtest/gtest.h>
#include <unistd.h>

#include "PtyBox.h"
#include "TempFolder.h"
#include "WorkingFolder.h"
#include "core/app/CommandLine.h"
#include "core/app/Dashboard.h"

using namespace rovik;

TEST(Dashboard, StartOpensTheLinkTheSettingsFileDescribes) {
    TempFolder folder;
    WorkingFolder inside(folder.Path());
    PtyBox box;
    Settings saved;
    saved.portName = box.device;
    saved.connectionType = ConnectionType::Vx101Usb;
    saved.transmitDelay = 7;
    saved.ipAddress = "10.0.0.9";
    saved.tcpPort = 0x10000 + 4000;
    saved.autoRestart = true;
    ASSERT_TRUE(SettingsFile().Write(saved));

    Dashboard dashboard("/RovikDashboardTest-" + std::to_string(::getpid()));
    dashboard.Start(CommandLine("rovik"));
    ASSERT_NE(dashboard.Link(), nullptr);
    const LinkReader& link = *dashboard.Link();
    EXPECT_EQ(link.GetPortName(), box.device);
    EXPECT_EQ(link.GetConnectionType(), ConnectionType::Vx101Usb);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.GetTransmitDelay(), 7u);
    EXPECT_EQ(link.GetHostAddress(), "10.0.0.9");
    EXPECT_EQ(link.GetTcpPort(), 4000);
    EXPECT_TRUE(link.GetAutoRestart());
    dashboard.Shutdown();
}
