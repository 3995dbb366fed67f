#include "platform/TcpClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace rovik {

namespace {
// How long a whole write may wait for room in the socket's send queue.
constexpr int kWriteWaitMs = 200;
}  // namespace

TcpClient::~TcpClient() {
    Close();
}

bool TcpClient::CreateSocket() {
    Close();
    fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    return fd >= 0;
}

bool TcpClient::Resolve(const std::string& host) {
    in_addr dotted{};
    if (::inet_pton(AF_INET, host.c_str(), &dotted) == 1) {
        address = dotted.s_addr;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || ::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return false;
    }
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(found);
    return true;
}

bool TcpClient::Connect(std::uint16_t port, int timeoutMs) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0) {
        return true;
    }
    if (errno != EINPROGRESS) {
        return false;
    }
    pollfd waiting{fd, POLLOUT, 0};
    if (::poll(&waiting, 1, timeoutMs) != 1) {
        return false;
    }
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

void TcpClient::Close() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

ReadResult TcpClient::Read(std::uint8_t* buffer, std::size_t capacity) {
    if (fd < 0) {
        return {0, true};
    }
    ssize_t got = ::recv(fd, buffer, capacity, MSG_DONTWAIT);
    if (got < 0) {
        bool wouldBlock = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        return {0, !wouldBlock};
    }
    // The box closed the connection, so nothing will come on it again.
    if (got == 0 && capacity > 0) {
        return {0, true};
    }
    return {static_cast<std::size_t>(got), false};
}

int TcpClient::WriteByte(std::uint8_t byte) {
    if (fd < 0) {
        return 0;
    }
    return ::send(fd, &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1 ? 1 : 0;
}

bool TcpClient::WriteAll(const std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (fd >= 0 && done < count) {
        ssize_t sent = ::send(fd, bytes + done, count - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            done += static_cast<std::size_t>(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        pollfd room{fd, POLLOUT, 0};
        bool busy = sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        if (!busy || ::poll(&room, 1, kWriteWaitMs) != 1) {
            return false;
        }
    }
    return done == count;
}

}  // namespace rovik
