#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "Waiting.h"
#include "core/app/CommandLine.h"
#include "core/app/SettingsFile.h"
#include "core/link/BoxPollCycle.h"
#include "platform/SerialPortFinder.h"
#include "ui/ModalCloser.h"
#include "ui/app/CMainFrame.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/LinkDialogSupport.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"
#include "vxbsim/TcpEndpoint.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// A Wi-Fi box on a loopback port, which drops off the network when it goes.
struct WifiBox {
    explicit WifiBox(std::uint16_t port = 0) : server(port) { box.Start(); }
    vxbsim::TcpEndpoint server;
    vxbsim::Emulator box{vxbsim::BoxModel::Vx150, server, 20};
};

// Chooses the Wi-Fi box at this port in the dialog and waits until it streams.
void ChooseWifiBox(QWidget& dialog, std::uint16_t port) {
    Click(dialog, "VX150 Wifi");
    AnswerNext<IpSettingsDialog>([port](IpSettingsDialog& settings) {
        Labelled(settings, "IP Address").setText("127.0.0.1");
        Labelled(settings, "IP Port").setText(QString::number(port));
        settings.accept();
    });
    Click(dialog, "Customize IP Settings");
    EXPECT_TRUE(StatusReaches(dialog, "Ok"));
}

struct BoxDialogsWithEmulator : ::testing::Test {
    int argc = 1;
    char name[6] = "rovik";
    char* argv[2] = {name, nullptr};
    QApplication app{argc, argv};
};
}  // namespace

TEST_F(BoxDialogsWithEmulator, TheAdvancedRoundAsksTheUsbBoxInOrderAndShowsItsAnswers) {
    vxbsim::PtyEndpoint pty;
    vxbsim::Emulator box(vxbsim::BoxModel::Vx101, pty, 20);
    box.Start();
    TestLink parts(UniqueBlock());
    parts.link.SetPortName(pty.DevicePath());
    parts.link.SetConnectionType(ConnectionType::Vx101Usb);
    parts.link.SetTransmitDelay(1);
    LinkThreads threads(parts.link);
    threads.Start();
    AdvancedVxbDialog dialog(parts.link, parts.box, 1);
    EXPECT_EQ(dialog.Timer().interval() * BoxPollCycle::kSteps, 6500);
    // The ticks are driven here rather than by the timer, each once the last command left.
    for (int step = 0; step < BoxPollCycle::kSteps; ++step) {
        dialog.Tick();
        ASSERT_TRUE(WaitFor(threads, [&] { return parts.link.QueuedByteCount() == 0; }));
    }
    auto asked = [&] {
        std::string commands = box.Received();
        std::erase(commands, 'V');
        return commands;
    };
    EXPECT_TRUE(WaitFor(threads, [&] { return asked() == "ZR0001\n\rR0006\n\r?Z?Z?"; })) << asked();
    ASSERT_TRUE(WaitFor(threads, [&] { return parts.box.Registers().Get(6) == 10; }));
    dialog.Tick();
    EXPECT_EQ(FieldText(dialog, "VXB Version"), "VXBSIM 1.0");
    EXPECT_EQ(FieldText(dialog, "CAN Cycle Size"), "    10");
    EXPECT_EQ(FieldText(dialog, "Bit Gap"), "    12");
    threads.Stop();
}

TEST_F(BoxDialogsWithEmulator, RestartPortReconnectsAWifiBoxThatDropped) {
    auto wifi = std::make_unique<WifiBox>();
    const std::uint16_t port = wifi->server.Port();
    RunningLink running;
    CommunicationSettingsDialog dialog(running.link, running.parts.box, {"COM0"},
                                       SerialPortFinder("/rovik-none", "/rovik-none"));
    ChooseWifiBox(dialog, port);
    wifi.reset();
    EXPECT_TRUE(StatusReaches(dialog, "PC Port Failure"));
    wifi = std::make_unique<WifiBox>(port);
    Click(dialog, "Restart Port");
    EXPECT_TRUE(StatusReaches(dialog, "Ok"));
}

TEST_F(BoxDialogsWithEmulator, AWifiBoxChosenInTheWindowIsKeptInTheSettingsUnlessThePortIsCom0) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    Settings first;
    first.portName = "/dev/rovik-no-such-port";
    ASSERT_TRUE(SettingsFile().Write(first));
    WifiBox wifi;
    CMainFrame frame(UniqueBlock());
    {
        ModalCloser closer;
        frame.Main().Start(CommandLine("rovik"));
    }
    AnswerNext<CommunicationSettingsDialog>([&](CommunicationSettingsDialog& dialog) {
        ChooseWifiBox(dialog, wifi.server.Port());
        dialog.accept();
    });
    frame.Main().EditCommunications();
    const Settings kept = SettingsFile().Read();
    EXPECT_EQ(kept.connectionType, ConnectionType::Vx150Wifi);
    EXPECT_EQ(kept.ipAddress, "127.0.0.1");
    EXPECT_EQ(kept.tcpPort, wifi.server.Port());

    frame.Main().State().CurrentSettings().portName = "COM0";
    AnswerNext<CommunicationSettingsDialog>([&](CommunicationSettingsDialog& dialog) {
        Click(dialog, "VX101 USB");
        dialog.accept();
    });
    frame.Main().EditCommunications();
    EXPECT_EQ(SettingsFile().Read().connectionType, ConnectionType::Vx150Wifi) << "nothing kept";
    frame.close();
    QDir::setCurrent(previous);
}
