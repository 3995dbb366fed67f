#pragma once

#include <cstdint>
#include <string>

#include "platform/Transport.h"

namespace rovik {

// A TCP client socket to the Wi-Fi box, opened in steps so the caller can report each one.
class TcpClient : public Transport {
public:
    TcpClient() = default;
    ~TcpClient() override;
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    // Creates an IPv4 stream socket; false when the system refuses one.
    bool CreateSocket();
    // Takes a dotted address as it stands, else resolves the host name to its first IPv4
    // address; false when it cannot be resolved.
    bool Resolve(const std::string& host);
    // Connects to the resolved address, giving up after timeoutMs so a missing box never
    // holds the caller for long. Leaves the socket non-blocking.
    bool Connect(std::uint16_t port, int timeoutMs);
    void Close();

    ReadResult Read(std::uint8_t* buffer, std::size_t capacity) override;
    int WriteByte(std::uint8_t byte) override;
    bool WriteAll(const std::uint8_t* bytes, std::size_t count) override;

private:
    int fd = -1;
    // The resolved IPv4 address in network byte order.
    std::uint32_t address = 0;
};

}  // namespace rovik
