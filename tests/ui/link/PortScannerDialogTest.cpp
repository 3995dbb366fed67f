#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "platform/SerialPortFinder.h"
#include "support/FakeMachine.h"
#include "ui/link/PortScannerDialog.h"

using namespace rovik;

TEST(PortScannerDialog, PicksTheBoxAsUsbAnyOtherLineAsSerialAndNothingKeepsTheChoice) {
    test::FakeMachine machine;
    SerialPortFinder finder(machine.SysRoot().string(), machine.DevRoot().string());
    PortScannerDialog picked(finder, ConnectionType::Vx100Serial, "COM3");
    const QListWidget& lines = *picked.findChild<QListWidget*>();
    ASSERT_EQ(lines.count(), 4);
    EXPECT_EQ(lines.item(2)->text(),
              QString("%1 Norvane Electronics Rovik VXB").arg(machine.Dev("ttyUSB0").c_str(), -16));
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
