#include "platform/SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace rovik {

namespace {
// How long a read waits for the first byte when nothing is waiting: short enough that one
// receive pass stays well inside the 100 ms tick.
constexpr int kReadWaitMs = 2;
// How long a whole write may wait for room in the device's queue, which at 9600 baud drains
// a frame of the box in about 30 ms.
constexpr int kWriteWaitMs = 200;
}  // namespace

SerialPort::~SerialPort() {
    Close();
}

std::string SerialPort::DevicePath(const std::string& portName) {
    bool comName = portName.size() > 3 && portName.compare(0, 3, "COM") == 0 &&
                   portName.find_first_not_of("0123456789", 3) == std::string::npos;
    if (!comName || portName.size() > 6) {
        return portName;
    }
    int number = std::stoi(portName.substr(3));
    // COM0 names no device at all.
    return number == 0 ? std::string() : "/dev/ttyS" + std::to_string(number - 1);
}

bool SerialPort::Open(const std::string& device) {
    Close();
    fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // Keep other programs off the port while we hold it, as the box expects one master.
    ::ioctl(fd, TIOCEXCL);
    return true;
}

bool SerialPort::Configure() {
    termios settings{};
    if (fd < 0 || ::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~(CSTOPB | PARENB | CSIZE | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

void SerialPort::RaiseDtr() {
    int dtr = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIS, &dtr);
}

void SerialPort::Close() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

ReadResult SerialPort::Read(std::uint8_t* buffer, std::size_t capacity) {
    if (fd < 0) {
        return {0, true};
    }
    pollfd waiting{fd, POLLIN, 0};
    int ready = ::poll(&waiting, 1, kReadWaitMs);
    if (ready == 0 || (ready < 0 && errno == EINTR)) {
        return {};
    }
    if (ready < 0 || (waiting.revents & (POLLERR | POLLNVAL))) {
        return {0, true};
    }
    ssize_t got = ::read(fd, buffer, capacity);
    if (got < 0) {
        bool transient = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        return {0, !transient};
    }
    if (got == 0 && (waiting.revents & POLLHUP)) {
        return {0, true};
    }
    return {static_cast<std::size_t>(got), false};
}

int SerialPort::WriteByte(std::uint8_t byte) {
    if (fd < 0) {
        return 0;
    }
    return ::write(fd, &byte, 1) == 1 ? 1 : 0;
}

bool SerialPort::WriteAll(const std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (fd >= 0 && done < count) {
        ssize_t written = ::write(fd, bytes + done, count - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        pollfd room{fd, POLLOUT, 0};
        bool busy = written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        if (!busy || ::poll(&room, 1, kWriteWaitMs) != 1) {
            return false;
        }
    }
    return done == count;
}

}  // namespace rovik
