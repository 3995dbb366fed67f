#pragma once

#include <cstdint>

namespace rovik {

// Where the decoders hand the fault codes they find.
class FaultRecorder {
public:
    virtual ~FaultRecorder() = default;
    // One fault: for J1587 the source is the MID, the code the PID or SID byte and
    // secondByte the diagnostic byte; for J1939 the source is the sender's address, the
    // code the SPN and secondByte the failure mode.
    virtual void RecordFault(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                             std::uint8_t occurrence, bool isJ1939) = 0;
};

}  // namespace rovik
