#include "core/link/BoxSource.h"

#include "platform/SerialPort.h"
#include "platform/TcpClient.h"

namespace rovik {

namespace {
// Long enough for a box on the local network, short enough that a missing one never holds
// the window for long.
constexpr int kConnectTimeoutMs = 3000;
}  // namespace

std::unique_ptr<Transport> BoxSource::Open(const Endpoint& endpoint, const StatusReport& report) {
    return UsesSerialPort(endpoint.type) ? OpenSerial(endpoint, report)
                                         : OpenSocket(endpoint, report);
}

std::unique_ptr<Transport> BoxSource::OpenSerial(const Endpoint& endpoint,
                                                 const StatusReport& report) {
    auto port = std::make_unique<SerialPort>();
    if (!port->Open(SerialPort::DevicePath(endpoint.portName)) || !port->Configure()) {
        report(LinkStatus::PortFailure);
        return nullptr;
    }
    port->RaiseDtr();
    report(LinkStatus::Starting);
    return port;
}

std::unique_ptr<Transport> BoxSource::OpenSocket(const Endpoint& endpoint,
                                                 const StatusReport& report) {
    // Sockets need no library start-up here, so that step cannot fail.
    report(LinkStatus::InitializingWifi);
    auto socket = std::make_unique<TcpClient>();
    report(LinkStatus::InitializingSocket);
    if (!socket->CreateSocket()) {
        report(LinkStatus::SocketFailed);
        return nullptr;
    }
    report(LinkStatus::FindingAddress);
    if (!socket->Resolve(endpoint.hostAddress)) {
        report(LinkStatus::AddressNotFound);
        return nullptr;
    }
    report(LinkStatus::CreatingConnection);
    if (!socket->Connect(endpoint.tcpPort, kConnectTimeoutMs)) {
        report(LinkStatus::ConnectFailed);
        return nullptr;
    }
    report(LinkStatus::WifiConnected);
    static constexpr std::uint8_t kGreeting[] = {'V', '\r', '\n'};
    socket->WriteAll(kGreeting, sizeof kGreeting);
    return socket;
}

}  // namespace rovik
