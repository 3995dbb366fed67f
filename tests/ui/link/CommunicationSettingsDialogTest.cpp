#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <memory>
#include <vector>

#include "LinkDialogSupport.h"
#include "core/PtyBox.h"
#include "platform/SerialPortFinder.h"
#include "support/FakeMachine.h"
#include "ui/ModalAnswer.h"
#include "ui/link/AdvancedVxbDialog.h"
#include "ui/link/CommunicationSettingsDialog.h"
#include "ui/link/IpSettingsDialog.h"
#include "ui/link/SerialDevicesDialog.h"

using namespace rovik;
using rovik::test::AnswerNext;
using rovik::test::FieldText;
using rovik::test::Labelled;

namespace {
constexpr const char* kMissingPort = "/dev/rovik-no-such-port";

// A box on the network that never answers: its listener's queue is full, so a connect waits
// until it gives up.
class SilentBox {
public:
    SilentBox() {
        listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(listener, 0);
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        for (int i = 0; i < 3; ++i) {
            waiting.push_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
            ::connect(waiting.back(), reinterpret_cast<sockaddr*>(&address), length);
        }
        ::usleep(100000);
    }
    ~SilentBox() {
        for (int fd : waiting) {
            ::close(fd);
        }
        ::close(listener);
    }

    std::uint16_t port = 0;

private:
    int listener;
    std::vector<int> waiting;
};

struct CommunicationSettingsDialogTest : ::testing::Test {
    CommunicationSettingsDialog& Open(const std::string& port,
                                      ConnectionType model = ConnectionType::Vx100Serial) {
        dialog = std::make_unique<CommunicationSettingsDialog>(
            running.link, running.parts.box,
            CommunicationSettingsDialog::Choices{port, false, model, 100}, finder);
        dialog->show();
        return *dialog;
    }
    QString Status() { return FieldText(*dialog, "Status"); }
    bool StatusReaches(const QString& text, int ms = 5000) {
        return QTest::qWaitFor([&] { return Status() == text; }, ms);
    }
    QAbstractButton& Button(const QString& text) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == text) {
                return *button;
            }
        }
        throw std::runtime_error("no button " + text.toStdString());
    }
    void Click(const QString& text) {
        QAbstractButton& button = Button(text);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
    }
    void TypePort(const QString& path) {
        QLineEdit* edit = Labelled<QComboBox>(*dialog, "Port").lineEdit();
        edit->setText(path);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    test::FakeMachine machine;
    SerialPortFinder finder{machine.SysRoot().string(), machine.DevRoot().string()};
    test::RunningLink running;
    std::unique_ptr<CommunicationSettingsDialog> dialog;
};
}  // namespace

TEST_F(CommunicationSettingsDialogTest, ListsTheMachinesPortsThenComNamesAndActsAtOnce) {
    Open("COM7");
    QComboBox& port = Labelled<QComboBox>(*dialog, "Port");
    EXPECT_EQ(port.currentText(), "COM7");
    ASSERT_EQ(port.count(), 4 + 99);
    EXPECT_EQ(port.itemText(2).toStdString(), machine.Dev("ttyUSB0").string());
    EXPECT_EQ(port.itemData(2, Qt::ToolTipRole).toString(), "Norvane Electronics Rovik VXB");
    EXPECT_EQ(port.itemText(4), "COM1");
    EXPECT_EQ(port.itemText(102), "COM99");
    EXPECT_TRUE(Button("Scan for VXB Connections").isVisible());

    PtyBox box;
    TypePort(QString::fromStdString(box.device));
    EXPECT_EQ(running.link.GetPortName(), box.device);
    ASSERT_TRUE(StatusReaches("Starting"));
    box.Send("J80546EBE\n");
    EXPECT_TRUE(StatusReaches("Ok"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return FieldText(*dialog, "Byte Count") == "10"; }));
    Click("AutoRestart");
    EXPECT_TRUE(running.link.GetAutoRestart());
    const CommunicationSettingsDialog::Choices chosen = dialog->Chosen();
    EXPECT_EQ(chosen.portName, box.device);
    EXPECT_TRUE(chosen.autoRestart);
    EXPECT_EQ(chosen.type, ConnectionType::Vx100Serial);
}

TEST_F(CommunicationSettingsDialogTest, AMissingPortShowsPcPortFailureAndTheDeviceWindowSaysWhy) {
    Open(kMissingPort);
    Click("Restart Port");
    ASSERT_TRUE(StatusReaches("PC Port Failure"));
    QStringList said;
    AnswerNext<SerialDevicesDialog>([&](SerialDevicesDialog& devices) {
        for (const QLabel* label : devices.findChildren<QLabel*>()) {
            said << label->text();
        }
        devices.reject();
    });
    Click("Check Device Manager");
    EXPECT_TRUE(said.contains(QString("The chosen port %1 does not exist. Plug the box in, or "
                                      "choose another port.")
                                  .arg(kMissingPort)));
}

TEST_F(CommunicationSettingsDialogTest, TheAdvancedPropertiesNeedTheUsbBoxAndKeepTheirDelay) {
    Open(kMissingPort);
    QString title, text;
    AnswerNext<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        box.accept();
    });
    Click("Advanced USB VXB Properties");
    EXPECT_EQ(title, "Version Check");
    EXPECT_EQ(text, "USB VXB Required for this feature.");

    Click("VX101 USB");
    EXPECT_EQ(running.link.GetPortName(), kMissingPort);
    AnswerNext<AdvancedVxbDialog>([](AdvancedVxbDialog& advanced) {
        Labelled<QSpinBox>(advanced, "USB Tx Delay").setValue(30);
        advanced.reject();
    });
    Click("Advanced USB VXB Properties");
    EXPECT_EQ(dialog->Chosen().transmitDelay, 30);
    EXPECT_EQ(running.link.GetTransmitDelay(), 30u);
}

TEST_F(CommunicationSettingsDialogTest, AWifiBoxThatDoesNotAnswerShowsEachStepAsItHappens) {
    SilentBox silent;
    Open(kMissingPort);
    Click("VX150 Wifi");
    EXPECT_FALSE(Button("Customize IP Settings").text().isEmpty());
    AnswerNext<IpSettingsDialog>([&](IpSettingsDialog& settings) {
        Labelled<QLineEdit>(settings, "IP Address").setText("127.0.0.1");
        Labelled<QLineEdit>(settings, "IP Port").setText(QString::number(silent.port));
        settings.accept();
    });
    Click("Customize IP Settings");
    EXPECT_EQ(running.link.GetTcpPort(), silent.port);
    // The window keeps refreshing while the receive thread waits for the box.
    EXPECT_TRUE(StatusReaches("Creating Connection"));
    EXPECT_TRUE(StatusReaches("Failed to Create Connection", 8000));
    EXPECT_EQ(dialog->Chosen().type, ConnectionType::Vx150Wifi);
}
