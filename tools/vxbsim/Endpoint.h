#pragma once

#include <cstddef>
#include <string>

namespace vxbsim {

// The emulator's side of the connection to the program.
class Endpoint {
public:
    virtual ~Endpoint() = default;
    // What the program sent since the last call; empty when nothing.
    virtual std::string ReadAvailable() = 0;
    virtual void Write(const std::string& bytes) = 0;
};

}  // namespace vxbsim
