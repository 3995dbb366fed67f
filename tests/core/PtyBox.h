#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

// The box's end of a pseudo-terminal.
struct PtyBox {
    PtyBox() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        device = ::ptsname(master);
    }
    ~PtyBox() { ::close(master); }
    void Send(const std::string& bytes) const {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), (ssize_t)bytes.size());
    }
    std::string Receive() const {
        std::string got;
        char c;
        pollfd waiting{master, POLLIN, 0};
        while (::poll(&waiting, 1, 200) == 1 && ::read(master, &c, 1) == 1)
            got += c;
        return got;
    }
    int master;
    std::string device;
};
