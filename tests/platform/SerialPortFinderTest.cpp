#include "platform/SerialPortFinder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeMachine.h"

namespace rovik {
namespace {

TEST(SerialPortFinder, FindsTheRealPortsWithTheirNamesAndSkipsTheRest) {
    test::FakeMachine machine;
    SerialPortFinder finder(machine.SysRoot().string(), machine.DevRoot().string());
    std::vector<std::string> found;
    for (const SerialDevice& d : finder.Find()) {
        found.push_back(d.path.substr(machine.DevRoot().string().size()) + "|" + d.driver + "|" +
                        d.Description() + "|" + d.usbId + "|" +
                        std::filesystem::path(d.stableName).filename().string() + "|" +
                        (d.exists && d.mayOpen ? "may open" : "shut"));
    }
    EXPECT_EQ(found, (std::vector<std::string>{
                         "/ttyACM0|cdc_acm|Arduino (www.arduino.cc)|2341:0043||may open",
                         "/ttyS0|serial|Built-in serial port|||may open",
                         "/ttyUSB0|ftdi_sio|Norvane Electronics Rovik VXB|0403:6015|"
                         "usb-Norvane_Rovik_VXB-port0|may open",
                         "/ttyUSB1|ftdi_sio|FTDI FT232R USB UART|0403:6001||may open",
                     }));
    EXPECT_FALSE(SerialPortFinder::Check(machine.Dev("ttyUSB7").string()).exists);
    EXPECT_TRUE(SerialPortFinder("/rovik-no-such-sys", "/rovik-no-such-dev").Find().empty());
}

}  // namespace
}  // namespace rovik
