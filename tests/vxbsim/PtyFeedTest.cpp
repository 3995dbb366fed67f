#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "vxbsim/Emulator.h"
#include "vxbsim/PtyEndpoint.h"

using namespace vxbsim;

namespace {
// The program's end of the pseudo-terminal, raw so every byte passes unchanged.
class PortSide {
public:
    explicit PortSide(const std::string& path) : fd(::open(path.c_str(), O_RDWR | O_NOCTTY)) {
        termios settings{};
        if (fd >= 0 && ::tcgetattr(fd, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(fd, TCSANOW, &settings);
        }
    }
    ~PortSide() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    PortSide(const PortSide&) = delete;
    PortSide& operator=(const PortSide&) = delete;

    bool IsOpen() const { return fd >= 0; }
    void Write(const std::string& bytes) {
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads until count bytes came or nothing more comes for a generous while.
    std::string Read(std::size_t count) {
        std::string got;
        char chunk[512];
        pollfd wait{fd, POLLIN, 0};
        while (got.size() < count && ::poll(&wait, 1, 5000) > 0) {
            ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n <= 0) {
                break;
            }
            got.append(chunk, static_cast<std::size_t>(n));
        }
        return got;
    }

private:
    int fd;
};

std::string EveryByteValue() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

template <typename Condition>
bool Eventually(Condition done) {
    for (int i = 0; i < 500 && !done(); ++i) {
        ::usleep(10000);
    }
    return done();
}
}  // namespace

TEST(PtyFeed, FedBytesArriveExactlyAndAloneFromAScriptedBox) {
    PtyEndpoint pty;
    ASSERT_TRUE(pty.IsOpen());
    PortSide port(pty.DevicePath());
    ASSERT_TRUE(port.IsOpen());
    Emulator box(BoxModel::Vx101, pty, 10);
    box.SetScripted(true);
    box.Start();
    // Once the box has read this it has ticked, and would have answered and streamed.
    port.Write("VR0001\n\r");
    ASSERT_TRUE(Eventually([&] { return box.Received() == "VR0001\n\r"; }));
    std::string fed = EveryByteValue() + "\xFF\xFF\xFF\xFF" + "J80546EBE\r\n";
    box.Send(fed);
    box.Send("\r\n\n\r");
    EXPECT_EQ(port.Read(fed.size() + 4), fed + "\r\n\n\r");
    box.Stop();
}

TEST(PtyFeed, FedLinesGoOutWholeBetweenTheStreamsLines) {
    PtyEndpoint pty;
    PortSide port(pty.DevicePath());
    Emulator box(BoxModel::Vx150, pty, 10);
    box.Start();
    const std::string fed = "R0000FECA0000FE00030AFFFF\r\n";
    for (int i = 0; i < 20; ++i) {
        box.Send(fed);
    }
    std::string got;
    std::size_t found = 0;
    for (std::size_t from = 0; found < 20;) {
        std::string more = port.Read(1);
        if (more.empty()) {
            break;
        }
        got += more;
        std::size_t at;
        while ((at = got.find(fed, from)) != std::string::npos) {
            EXPECT_TRUE(at == 0 || got[at - 1] == '\n') << "a fed line started inside another";
            ++found;
            from = at + fed.size();
        }
    }
    EXPECT_EQ(found, 20u);
    box.Stop();
}
