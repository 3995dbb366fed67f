#include "vxbsim/PtyEndpoint.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

namespace vxbsim {

PtyEndpoint::PtyEndpoint() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        return;
    }
    device = ::ptsname(master);
    // Raw on the box's side too, so no byte is translated on the way.
    termios settings{};
    if (::tcgetattr(master, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(master, TCSANOW, &settings);
    }
}

PtyEndpoint::~PtyEndpoint() {
    if (master >= 0) {
        ::close(master);
    }
}

std::string PtyEndpoint::ReadAvailable() {
    std::string got;
    char chunk[256];
    ssize_t n = 0;
    while ((n = ::read(master, chunk, sizeof chunk)) > 0) {
        got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
}

void PtyEndpoint::Write(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            return;  // nobody reads the port: the box drops what does not fit
        }
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace vxbsim
