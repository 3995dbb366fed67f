#pragma once

#include <cstdint>
#include <vector>

#include "vxbsim/J1939Fault.h"
#include "vxbsim/J1939Frame.h"

namespace vxbsim {

// A controller's active diagnostic trouble codes (DM1): two lamp bytes, then four bytes per
// code. A controller sends it even with no fault, as a code of all zeros.
class Dm1Builder {
public:
    static constexpr std::uint32_t kPgn = 65226;

    // The message of the faults given (all from one source): one frame for none or one fault,
    // the transport protocol's broadcast for more.
    static std::vector<J1939Frame> Frames(std::uint8_t source,
                                          const std::vector<J1939Fault>& faults);
    static std::vector<std::uint8_t> Payload(const std::vector<J1939Fault>& faults);
};

}  // namespace vxbsim
