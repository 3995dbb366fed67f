#include <gtest/gtest.h>

#include "ui/link/SerialDevicesDialog.h"

using namespace rovik;

TEST(SerialDevicesDialog, TellsAUserWhoMayNotOpenThePortHowToPutItRight) {
    const auto port = [](bool inGroup) {
        SerialDevice device;
        device.path = "/dev/ttyUSB0";
        device.exists = true;
        device.group = "dialout";
        device.inGroup = inGroup;
        return device;
    };
    const std::tuple<SerialDevice, QString, QString> cases[] = {
        {port(false),
         "You may not open the chosen port /dev/ttyUSB0. Add yourself to its group: sudo "
         "adduser $USER dialout, then log out and in again.",
         "Not allowed (group dialout)"},
        {port(true),
         "You may not open the chosen port /dev/ttyUSB0. Its permissions keep out even the "
         "members of its group dialout.",
         "Not allowed (group dialout)"},
    };
    for (const auto& [device, verdict, access] : cases) {
        EXPECT_EQ(SerialDevicesDialog::PortVerdict(device), verdict);
        EXPECT_EQ(SerialDevicesDialog::Access(device), access);
    }
}
