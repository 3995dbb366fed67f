#include "vxbsim/TcpEndpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vxbsim {

TcpEndpoint::TcpEndpoint(std::uint16_t wanted) {
    listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    int reuse = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(wanted);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener, 1) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listener);
        listener = -1;
        return;
    }
    port = ntohs(address.sin_port);
}

TcpEndpoint::~TcpEndpoint() {
    if (client >= 0) {
        ::close(client);
    }
    if (listener >= 0) {
        ::close(listener);
    }
}

void TcpEndpoint::AcceptWaitingClient() {
    int waiting = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK);
    if (waiting >= 0) {
        if (client >= 0) {
            ::close(client);
        }
        client = waiting;
    }
}

std::string TcpEndpoint::ReadAvailable() {
    AcceptWaitingClient();
    std::string got;
    char chunk[256];
    ssize_t n = 0;
    while (client >= 0 && (n = ::recv(client, chunk, sizeof chunk, 0)) > 0) {
        got.append(chunk, static_cast<std::size_t>(n));
    }
    return got;
}

void TcpEndpoint::Write(const std::string& bytes) {
    if (client >= 0) {
        ::send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }
}

}  // namespace vxbsim
