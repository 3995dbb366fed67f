#pragma once

#include "core/link/LinkSource.h"

namespace rovik {

// A live box: the serial port of the RS-232 and USB boxes, or a TCP socket to the Wi-Fi box.
class BoxSource : public LinkSource {
public:
    std::unique_ptr<Transport> Open(const Endpoint& endpoint, const StatusReport& report) override;
    bool IsLive() const override { return true; }
    std::size_t ReadSize() const override { return kReadSize; }

private:
    static constexpr std::size_t kReadSize = 256;

    static std::unique_ptr<Transport> OpenSerial(const Endpoint& endpoint,
                                                 const StatusReport& report);
    static std::unique_ptr<Transport> OpenSocket(const Endpoint& endpoint,
                                                 const StatusReport& report);
};

}  // namespace rovik
