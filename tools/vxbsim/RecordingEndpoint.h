#pragma once

#include <string>

#include "vxbsim/Endpoint.h"

namespace vxbsim {

// Keeps every byte the box writes, in order, as a raw log holds them. Nobody is on the other
// side, so the box never hears a command.
class RecordingEndpoint : public Endpoint {
public:
    std::string ReadAvailable() override { return {}; }
    void Write(const std::string& bytes) override { recorded += bytes; }

    const std::string& Recorded() const { return recorded; }

private:
    std::string recorded;
};

}  // namespace vxbsim
