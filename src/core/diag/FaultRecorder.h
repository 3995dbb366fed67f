#pragma once

#include <cstddef>
#include <cstdint>

#include "core/link/J1708Frame.h"

namespace rovik {

// Where the decoders hand the fault codes they find.
class FaultRecorder {
public:
    virtual ~FaultRecorder() = default;
    // A diagnostic item (PID 194) starts at index of the message; the recorder reads it.
    virtual void CollectJ1587Faults(const J1708Frame& frame, std::size_t index) = 0;
    // One fault: for J1587 the code is the PID or SID byte and secondByte the diagnostic
    // byte; for J1939 the code is the SPN and secondByte the failure mode.
    virtual void RecordFault(std::uint8_t source, std::uint32_t code, std::uint8_t secondByte,
                             std::uint8_t occurrence, bool isJ1939) = 0;
};

}  // namespace rovik
