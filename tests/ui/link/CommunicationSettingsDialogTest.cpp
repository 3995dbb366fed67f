#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>

#include "LinkDialogSupport.h"
#include "core/PtyBox.h"
#include "platform/SerialPortFinder.h"
#include "support/FakeMachine.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/PortScannerDialog.h"
#include "ui/link/SerialDevicesDialog.h"

using namespace rovik;
using namespace rovik::test;

namespace {
constexpr const char* kMissingPort = "/dev/rovik-no-such-port";

// A box on the network that never answers: its listener's queue is full, so a connect waits
// until it gives up.
struct SilentBox {
    SilentBox() {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t length = sizeof address;
        auto* at = reinterpret_cast<sockaddr*>(&address);
        ::bind(fds[0], at, length);
        ::listen(fds[0], 0);
        ::getsockname(fds[0], at, &length);
        port = ntohs(address.sin_port);
        for (int i = 1; i < 4; ++i) {
            fds[i] = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fds[i], at, length);
        }
        ::usleep(100000);
    }
    ~SilentBox() {
        for (int fd : fds) {
            ::close(fd);
        }
    }
    int fds[4] = {::socket(AF_INET, SOCK_STREAM, 0)};
    std::uint16_t port = 0;
};

struct AdvancedVxbDialogTest : ::testing::Test {
    AdvancedVxbDialogTest() {
        link.SetPortName(pty.device);
        link.SetConnectionType(ConnectionType::Vx101Usb);
    }
    // What the transmit thread would send of what the dialog queued.
    std::string Sent() {
        while (link.QueuedByteCount() > 0) {
            link.SendOneQueuedByte();
        }
        return pty.Receive();
    }

    PtyBox pty;
    TestLink parts{UniqueLinkBlock()};
    LinkReader& link = parts.link;
    AdvancedVxbDialog dialog{link, parts.box, 100};
};

struct CommunicationSettingsDialogTest : ::testing::Test {
    FakeMachine machine;
    SerialPortFinder finder{machine.SysRoot().string(), machine.DevRoot().string()};
    RunningLink running;
    CommunicationSettingsDialog dialog{running.link,
                                       running.parts.box,
                                       {kMissingPort, false, ConnectionType::Vx100Serial, 100},
                                       finder};
};
}  // namespace

TEST_F(CommunicationSettingsDialogTest, AMissingPortShowsPcPortFailureAndTheDeviceWindowSaysWhy) {
    auto& port = Labelled<QComboBox>(dialog, "Port");
    EXPECT_EQ(port.itemText(2).toStdString(), machine.Dev("ttyUSB0").string());
    Click(dialog, "Restart Port");
    ASSERT_TRUE(StatusReaches(dialog, "PC Port Failure"));
    QString verdict;
    AnswerNext<SerialDevicesDialog>([&](SerialDevicesDialog& devices) {
        verdict = devices.findChild<QLabel*>()->text();
        devices.reject();
    });
    Click(dialog, "Check Device Manager");
    EXPECT_EQ(verdict, QString("The chosen port %1 does not exist. Plug the box in, or choose "
                               "another port.")
                           .arg(kMissingPort));
}

TEST_F(CommunicationSettingsDialogTest, TheAdvancedPropertiesKeepTheirDelay) {
    Click(dialog, "VX101 USB");
    AnswerNext<AdvancedVxbDialog>([](AdvancedVxbDialog& advanced) {
        Labelled<QSpinBox>(advanced, "USB Tx Delay").setValue(30);
        advanced.reject();
    });
    Click(dialog, "Advanced USB VXB Properties");
    EXPECT_EQ(dialog.Chosen().transmitDelay, 30);
    EXPECT_EQ(dialog.Chosen().type, ConnectionType::Vx101Usb);
}

TEST_F(CommunicationSettingsDialogTest, AWifiBoxThatDoesNotAnswerShowsEachStepAsItHappens) {
    SilentBox silent;
    Click(dialog, "VX150 Wifi");
    AnswerNext<IpSettingsDialog>([&](IpSettingsDialog& settings) {
        Labelled(settings, "IP Address").setText("127.0.0.1");
        Labelled(settings, "IP Port").setText(QString::number(silent.port));
        settings.accept();
    });
    Click(dialog, "Customize IP Settings");
    // The window keeps refreshing while the receive thread waits for the box.
    EXPECT_TRUE(StatusReaches(dialog, "Creating Connection"));
    EXPECT_TRUE(StatusReaches(dialog, "Failed to Create Connection", 8000));
}

TEST_F(AdvancedVxbDialogTest, ButtonsAskForOneStepFromWhatTheBoxLastReportedWithinLimits) {
    struct Case {
        int bitGap, canCycle, fuelmeter;
        const char* button;
        std::string sent;
    };
    const Case cases[] = {
        {250, 10, 0, "Raise the bit gap", ""},
        {12, 10, 0, "Raise the bit gap", "G0D\n\r"},
        {4, 10, 0, "Lower the bit gap", ""},
        {5, 10, 0, "Lower the bit gap", "G04\n\r"},
        {12, 99, 0, "Raise the CAN cycle size", "M000663\n\r"},
        {12, 1, 0, "Lower the CAN cycle size", "M000601\n\r"},
        {12, 10, 0, "VXB Fuelmeter", "M000101\n\r"},
        {12, 10, 1, "VXB Fuelmeter", "M000100\n\r"},
        {12, 10, 1, "Zero Fuelmeter", "O"},
    };
    for (const Case& c : cases) {
        parts.box.Statistics().bitGap = c.bitGap;
        parts.box.Registers().Set(6, static_cast<std::uint8_t>(c.canCycle));
        parts.box.Registers().Set(1, static_cast<std::uint8_t>(c.fuelmeter));
        Click(dialog, c.button);
        EXPECT_EQ(Sent(), c.sent) << c.button << " " << c.bitGap;
    }
}

TEST_F(AdvancedVxbDialogTest, ATypedDelayTakesEffectAtOnceAndSendsTheTestPacket) {
    auto& delay = Labelled<QSpinBox>(dialog, "USB Tx Delay");
    delay.selectAll();
    QTest::keyClicks(&delay, "7");
    EXPECT_EQ(link.GetTransmitDelay(), 7u);
    EXPECT_EQ(dialog.TransmitDelay(), 7);
    Click(dialog, "Test");
    const std::string testPacket = "S" + std::string(20, '0') + "\r\n";
    EXPECT_EQ(Sent(), testPacket + testPacket);
}

TEST(IpSettingsDialog, TakesAnAddressAndAPortFromZeroTo65535AndStaysOpenOtherwise) {
    const QString range = "Please enter an integer between 0 and 65535.";
    const std::tuple<QString, QString, QString> entries[] = {
        {" box.local ", "0", ""},
        {"10.0.0.2", "65535", ""},
        {"10.0.0.2", "65536", range},
        {"10.0.0.2", "", range},
        {"  ", "51966", "Please enter the box's IP address."},
    };
    for (const auto& [address, port, refusal] : entries) {
        IpSettingsDialog dialog("169.254.1.1", 51966);
        dialog.show();
        Labelled(dialog, "IP Address").setText(address);
        Labelled(dialog, "IP Port").setText(port);
        ModalCloser closer;
        dialog.accept();
        EXPECT_EQ(closer.messages.join(""), refusal) << port.toStdString();
        EXPECT_EQ(dialog.isVisible(), !refusal.isEmpty());
        if (refusal.isEmpty()) {
            EXPECT_EQ(dialog.Address(), address.trimmed().toStdString());
            EXPECT_EQ(dialog.Port(), port.toUInt());
        }
    }
}

TEST(PortScannerDialog, PicksTheBoxAsUsbAnyOtherLineAsSerialAndNothingKeepsTheChoice) {
    FakeMachine machine;
    SerialPortFinder finder(machine.SysRoot().string(), machine.DevRoot().string());
    PortScannerDialog picked(finder, ConnectionType::Vx100Serial, "COM3");
    const QListWidget& lines = *picked.findChild<QListWidget*>();
    ASSERT_EQ(lines.count(), 4);
    EXPECT_EQ(lines.selectedItems(), QList<QListWidgetItem*>{lines.item(2)});
    picked.accept();
    EXPECT_EQ(picked.Model(), ConnectionType::Vx101Usb);
    EXPECT_EQ(picked.Port(), machine.Dev("ttyUSB0").string());

    PortScannerDialog adapter(finder, ConnectionType::Vx101Usb, "COM3");
    QListWidget& list = *adapter.findChild<QListWidget*>();
    const QPoint line = list.visualItemRect(list.item(3)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, line);
    EXPECT_EQ(adapter.result(), QDialog::Accepted);
    EXPECT_EQ(adapter.Model(), ConnectionType::Vx100Serial);
    EXPECT_EQ(adapter.Port(), machine.Dev("ttyUSB1").string());

    PortScannerDialog empty(SerialPortFinder("/rovik-no-such", "/rovik-no-such"),
                            ConnectionType::Vx101Usb, "COM3");
    empty.accept();
    EXPECT_EQ(empty.Model(), ConnectionType::Vx101Usb);
    EXPECT_EQ(empty.Port(), "COM3");
}
