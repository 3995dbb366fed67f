#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QComboBox>
#include <QMessageBox>
#include <QSpinBox>
#include <vector>

#include "LinkDialogSupport.h"
#include "platform/SerialPortFinder.h"
#include "support/FakeMachine.h"
#include "ui/ModalCloser.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/SerialDevicesDialog.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::Click;
using rovik::test::Labelled;
using rovik::test::StatusReaches;

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

struct CommunicationSettingsDialogTest : ::testing::Test {
    test::FakeMachine machine;
    SerialPortFinder finder{machine.SysRoot().string(), machine.DevRoot().string()};
    test::RunningLink running;
    CommunicationSettingsDialog dialog{running.link,
                                       running.parts.box,
                                       {kMissingPort, false, ConnectionType::Vx100Serial, 100},
                                       finder};
};
}  // namespace

TEST_F(CommunicationSettingsDialogTest, AMissingPortShowsPcPortFailureAndTheDeviceWindowSaysWhy) {
    auto& port = Labelled<QComboBox>(dialog, "Port");
    ASSERT_EQ(port.count(), 4 + 99) << "the machine's devices, then COM1 to COM99";
    EXPECT_EQ(port.itemText(2).toStdString(), machine.Dev("ttyUSB0").string());
    EXPECT_EQ(port.itemText(102), "COM99");
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

TEST_F(CommunicationSettingsDialogTest, TheAdvancedPropertiesNeedTheUsbBoxAndKeepTheirDelay) {
    QString said;
    AnswerNext<QMessageBox>([&](QMessageBox& box) {
        said = box.windowTitle() + ": " + box.text();
        box.accept();
    });
    Click(dialog, "Advanced USB VXB Properties");
    EXPECT_EQ(said, "Version Check: USB VXB Required for this feature.");
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
