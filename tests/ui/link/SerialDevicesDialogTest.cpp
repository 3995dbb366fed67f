#include <gtest/gtest.h>

#include <QLabel>
#include <QTreeWidget>

#include "ui/link/SerialDevicesDialog.h"

using namespace rovik;

namespace {
SerialDevice Device(bool exists, bool mayOpen, bool inGroup) {
    SerialDevice device;
    device.path = "/dev/ttyUSB0";
    device.exists = exists;
    device.mayOpen = mayOpen;
    device.group = "dialout";
    device.inGroup = inGroup;
    return device;
}

QStringList Texts(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}
}  // namespace

TEST(SerialDevicesDialog, SaysWhatKeepsTheChosenPortShutAndHowToOpenIt) {
    struct Case {
        SerialDevice port;
        QString verdict;
        QString access;
    };
    const Case cases[] = {
        {Device(false, false, false),
         "The chosen port /dev/ttyUSB0 does not exist. Plug the box in, or choose another port.",
         "No device file"},
        {Device(true, false, false),
         "You may not open the chosen port /dev/ttyUSB0. Add yourself to its group: sudo "
         "adduser $USER dialout, then log out and in again.",
         "Not allowed (group dialout)"},
        {Device(true, false, true),
         "You may not open the chosen port /dev/ttyUSB0. Its permissions keep out even the "
         "members of its group dialout.",
         "Not allowed (group dialout)"},
        {Device(true, true, true), "You may open the chosen port /dev/ttyUSB0.", "You may open it"},
        {SerialDevice{}, "No port is chosen.", "No device file"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SerialDevicesDialog::PortVerdict(c.port), c.verdict);
        EXPECT_EQ(SerialDevicesDialog::Access(c.port), c.access);
    }
}

TEST(SerialDevicesDialog, ListsEveryDeviceAndGivesTheFixWhenOneIsBarred) {
    SerialDevice box = Device(true, false, false);
    box.driver = "ftdi_sio";
    box.vendor = "Norvane Electronics";
    box.product = "Rovik VXB";
    box.usbId = "0403:6015";
    box.stableName = "/dev/serial/by-id/usb-Norvane_Electronics_Rovik_VXB_A1-if00-port0";
    SerialDevice builtIn = Device(true, true, true);
    builtIn.path = "/dev/ttyS0";
    builtIn.driver = "serial";
    SerialDevicesDialog dialog({box, builtIn}, builtIn);
    const QTreeWidget& table = *dialog.findChild<QTreeWidget*>();
    ASSERT_EQ(table.topLevelItemCount(), 2);
    QStringList first;
    for (int column = 0; column < table.columnCount(); ++column) {
        first << table.topLevelItem(0)->text(column);
    }
    EXPECT_EQ(first,
              (QStringList{"/dev/ttyUSB0", "ftdi_sio", "Norvane Electronics Rovik VXB (0403:6015)",
                           QString::fromStdString(box.stableName), "Not allowed (group dialout)"}));
    EXPECT_TRUE(Texts(dialog).contains(
        "To open the devices you are not allowed to: Add yourself to its group: sudo adduser "
        "$USER dialout, then log out and in again."));

    SerialDevicesDialog allOpen({builtIn}, builtIn);
    EXPECT_EQ(Texts(allOpen).filter("sudo").size(), 0);
}
