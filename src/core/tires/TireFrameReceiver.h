#pragma once

#include "core/link/J1708Frame.h"

namespace rovik {

// Takes the checked frames of the tire sensor receivers (MIDs 166 to 169).
class TireFrameReceiver {
public:
    virtual ~TireFrameReceiver() = default;
    virtual void ReceiveTireFrame(const J1708Frame& frame) = 0;
};

}  // namespace rovik
