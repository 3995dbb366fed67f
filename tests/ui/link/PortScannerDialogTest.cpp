#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/SerialPortFinder.h"
#include "support/FakeMachine.h"
#include "ui/link/PortScannerDialog.h"

using namespace rovik;

namespace {
struct PortScannerDialogTest : ::testing::Test {
    QListWidget& List() { return *dialog.findChild<QListWidget*>(); }
    QStringList Lines() {
        QStringList lines;
        for (int row = 0; row < List().count(); ++row) {
            lines << List().item(row)->text();
        }
        return lines;
    }
    void Press(QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
    }
    std::string Dev(const std::string& name) const { return machine.Dev(name).string(); }

    test::FakeMachine machine;
    SerialPortFinder finder{machine.SysRoot().string(), machine.DevRoot().string()};
    PortScannerDialog dialog{finder, ConnectionType::Vx100Serial, "COM3"};
};
}  // namespace

TEST_F(PortScannerDialogTest, ListsEachPortWithWhatItIsAndPicksTheBox) {
    ASSERT_EQ(Lines().size(), 4);
    EXPECT_TRUE(Lines()[0].startsWith(QString::fromStdString(Dev("ttyACM0"))));
    EXPECT_TRUE(Lines()[2].endsWith("Norvane Electronics Rovik VXB"));
    ASSERT_EQ(List().selectedItems().size(), 1);
    EXPECT_EQ(List().selectedItems()[0], List().item(2));
    Press(QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Model(), ConnectionType::Vx101Usb);
    EXPECT_EQ(dialog.Port(), Dev("ttyUSB0"));
}

TEST_F(PortScannerDialogTest, ADoubleClickedAdapterIsASerialPort) {
    QListWidgetItem* adapter = List().item(3);
    ASSERT_TRUE(adapter->text().contains("FT232R"));
    const QPoint at = List().visualItemRect(adapter).center();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Model(), ConnectionType::Vx100Serial);
    EXPECT_EQ(dialog.Port(), Dev("ttyUSB1"));
}

TEST_F(PortScannerDialogTest, WithNothingChosenOrOnCancelThePortAndModelStay) {
    SerialPortFinder nothing("/rovik-no-such-sys", "/rovik-no-such-dev");
    PortScannerDialog empty(nothing, ConnectionType::Vx101Usb, "/dev/ttyUSB3");
    EXPECT_EQ(empty.findChild<QListWidget*>()->count(), 0);
    empty.accept();
    EXPECT_EQ(empty.Model(), ConnectionType::Vx101Usb);
    EXPECT_EQ(empty.Port(), "/dev/ttyUSB3");

    Press(QDialogButtonBox::Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Model(), ConnectionType::Vx100Serial);
    EXPECT_EQ(dialog.Port(), "COM3");
}
