#pragma once

#include <cstdint>
#include <cstdlib>

#include "core/diag/FaultRecorder.h"

namespace rovik::fuzz {

// Takes the fault codes the decoders find and keeps none, but stops at one no controller can
// send: a J1939 SPN is 19 bits and its failure mode 5.
class CheckedFaults : public FaultRecorder {
public:
    void RecordFault(std::uint8_t, std::uint32_t code, std::uint8_t secondByte, std::uint8_t,
                     bool isJ1939) override {
        if (isJ1939 && (code >= 1u << 19 || secondByte >= 32)) {
            std::abort();
        }
    }
};

}  // namespace rovik::fuzz
