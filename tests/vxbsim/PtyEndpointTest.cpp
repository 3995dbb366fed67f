#include <gtest/gtest.h>
#include <unistd.h>

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

TEST(PtyEndpoint, FedBytesArriveExactlyAndAloneFromAScriptedBox) {
    PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    rovik::SerialPort port;
    ASSERT_TRUE(port.Open(pty.DevicePath()) && port.Configure());
    Emulator box(BoxModel::Vx101, pty, 10);
    box.SetScripted(true);
    box.Start();
    // Once the box has read this it has ticked, and would have answered and streamed.
    for (char c : std::string("VR0001\n\r")) {
        port.WriteByte(static_cast<std::uint8_t>(c));
    }
    for (int i = 0; i < 500 && box.Received() != "VR0001\n\r"; ++i) {
        ::usleep(10000);
    }
    ASSERT_EQ(box.Received(), "VR0001\n\r");
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
