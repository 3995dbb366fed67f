#pragma once

#include <cstdint>

#include "vxbsim/Endpoint.h"

namespace vxbsim {

// A TCP listener on 127.0.0.1 that serves one client at a time, as the Wi-Fi box does.
class TcpEndpoint : public Endpoint {
public:
    // Port 0 takes any free port.
    explicit TcpEndpoint(std::uint16_t port);
    ~TcpEndpoint() override;
    TcpEndpoint(const TcpEndpoint&) = delete;
    TcpEndpoint& operator=(const TcpEndpoint&) = delete;

    bool IsListening() const { return listener >= 0; }
    std::uint16_t Port() const { return port; }
    std::string ReadAvailable() override;
    void Write(const std::string& bytes) override;

private:
    void AcceptWaitingClient();

    int listener = -1;
    int client = -1;
    std::uint16_t port = 0;
};

}  // namespace vxbsim
