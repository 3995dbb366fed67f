#pragma once

#include "core/link/FrameBuffer.h"
#include "core/params/J1587Decoder.h"
#include "core/params/J1939Decoder.h"
#include "core/values/J1708Frame.h"
#include "core/values/J1939Frame.h"

namespace rovik {

class BoxState;
class FaultRecorder;
class LinkEvents;
class TireMonitor;
class ValueStore;

// Checks each framed J1708 message and hands it, or a J1939 message, to whoever reads it:
// the box's own statistics, the decoders or the tire monitor.
class MessageRouter {
public:
    MessageRouter(ValueStore& store, BoxState& box, LinkEvents& events);

    void SetFaultRecorder(FaultRecorder* recorder);
    // Where the tire receiver's frames go; without one they are dropped.
    void SetTireMonitor(TireMonitor* monitor) { tires = monitor; }

    // The buffer holds one message followed by five bytes that are not part of it.
    void CheckFrame(const FrameBuffer& buffer);
    void RouteJ1939(const J1939Frame& frame);

private:
    void ReadBoxStatistics(const J1708Frame& frame);
    void RouteVehicleMessage(const J1708Frame& frame);

    BoxState& box;
    LinkEvents& events;
    J1587Decoder j1587;
    J1939Decoder j1939;
    TireMonitor* tires = nullptr;
};

}  // namespace rovik
