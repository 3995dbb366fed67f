#include "platform/SerialPortFinder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/FakeMachine.h"

namespace rovik {
namespace {

namespace fs = std::filesystem;
using test::FakeMachine;

// Every field of a found device on one line.
std::string Line(const SerialDevice& d) {
    return fs::path(d.path).filename().string() + "|" + d.driver + "|" + d.Description() + "|" +
           d.usbId + "|" + fs::path(d.stableName).filename().string() + "|" +
           (d.exists ? "exists" : "missing");
}

TEST(SerialPortFinder, FindsTheRealPortsWithTheirNamesAndSkipsTheRest) {
    FakeMachine machine;
    SerialPortFinder finder(machine.SysRoot().string(), machine.DevRoot().string());
    std::vector<std::string> lines;
    for (const SerialDevice& device : finder.Find()) {
        lines.push_back(Line(device));
        EXPECT_EQ(fs::path(device.path).parent_path(), machine.DevRoot());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "ttyACM0|cdc_acm|Arduino (www.arduino.cc)|2341:0043||exists",
                         "ttyS0|serial|Built-in serial port|||exists",
                         "ttyUSB0|ftdi_sio|Norvane Electronics Rovik VXB|0403:6015|"
                         "usb-Norvane_Electronics_Rovik_VXB_A1-if00-port0|exists",
                         "ttyUSB1|ftdi_sio|FTDI FT232R USB UART|0403:6001|"
                         "usb-FTDI_FT232R_USB_UART_B2-if00-port0|exists",
                     }));
}

TEST(SerialPortFinder, ChecksWhetherADeviceFileIsThereAndMayBeOpened) {
    FakeMachine machine;
    SerialDevice present = SerialPortFinder::Check(machine.Dev("ttyUSB0").string());
    EXPECT_TRUE(present.exists);
    EXPECT_TRUE(present.mayOpen) << "the test's own file";
    EXPECT_TRUE(present.inGroup);
    EXPECT_FALSE(present.group.empty());
    SerialDevice missing = SerialPortFinder::Check(machine.Dev("ttyUSB7").string());
    EXPECT_FALSE(missing.exists);
    EXPECT_FALSE(missing.mayOpen);
}

TEST(SerialPortFinder, AMachineWithoutTheTreeHasNoPorts) {
    SerialPortFinder finder("/rovik-no-such-sys", "/rovik-no-such-dev");
    EXPECT_TRUE(finder.Find().empty());
}

}  // namespace
}  // namespace rovik
