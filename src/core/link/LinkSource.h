#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/link/ConnectionType.h"
#include "core/link/LinkStatus.h"
#include "platform/Transport.h"

namespace rovik {

// Where the link's bytes come from: a box over its port or socket, or a recording of one.
class LinkSource {
public:
    // What the user chose to connect to.
    struct Endpoint {
        ConnectionType type = ConnectionType::Vx100Serial;
        std::string portName;
        std::string hostAddress;
        std::uint16_t tcpPort = 0;
    };
    using StatusReport = std::function<void(LinkStatus)>;

    virtual ~LinkSource() = default;
    // Opens what the endpoint names, reporting each step and the outcome through report;
    // none when it cannot be opened.
    virtual std::unique_ptr<Transport> Open(const Endpoint& endpoint,
                                            const StatusReport& report) = 0;
    // A live box is recorded, asked for its version, watched for silence and sent commands;
    // a recording is only read.
    virtual bool IsLive() const = 0;
    // The most bytes one read of a pass takes.
    virtual std::size_t ReadSize() const = 0;
};

}  // namespace rovik
