#pragma once

#include "vxbsim/Endpoint.h"

namespace vxbsim {

// A pseudo-terminal; the program opens DevicePath() as its serial port.
class PtyEndpoint : public Endpoint {
public:
    PtyEndpoint();
    ~PtyEndpoint() override;
    PtyEndpoint(const PtyEndpoint&) = delete;
    PtyEndpoint& operator=(const PtyEndpoint&) = delete;

    bool IsOpen() const { return master >= 0; }
    const std::string& DevicePath() const { return device; }
    std::string ReadAvailable() override;
    void Write(const std::string& bytes) override;

private:
    int master = -1;
    std::string device;
};

}  // namespace vxbsim
