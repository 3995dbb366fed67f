#include <gtest/gtest.h>

#include <string>

#include "platform/SerialPort.h"
#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace vxbsim;

namespace {
// The next bytes at the program's end, or nothing when none came for a generous while.
std::string ReadMore(rovik::SerialPort& port) {
    std::uint8_t chunk[512];
    for (int wait = 0; wait < 2000; ++wait) {
        rovik::ReadResult got = port.Read(chunk, sizeof chunk);
        if (got.failed || got.count > 0) {
            return std::string(reinterpret_cast<const char*>(chunk), got.count);
        }
    }
    return {};
}
}  // namespace

// Every byte value reaches the program's serial port unchanged: no line ends translated and no
// flow-control bytes taken.
TEST(PtyEndpoint, FedBytesArriveExactlyAtTheProgramsPort) {
    PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    rovik::SerialPort port;
    ASSERT_TRUE(port.Open(pty.DevicePath()) && port.Configure());
    Emulator box(BoxModel::Vx101, pty, 10);
    box.SetScripted(true);
    box.Start();
    std::string fed = "\r\n\n\r\xFF\xFF\xFF\xFFJ80546EBE\r\n";
    for (int b = 0; b < 256; ++b) {
        fed += static_cast<char>(b);
    }
    box.Send(fed);
    std::string got;
    for (std::string more; got.size() < fed.size() && !(more = ReadMore(port)).empty();) {
        got += more;
    }
    EXPECT_EQ(got, fed);
    box.Stop();
}
