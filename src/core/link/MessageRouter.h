#pragma once

#include "core/link/FrameBuffer.h"
#include "core/link/J1708Frame.h"
#include "core/link/J1939Frame.h"
#include "core/params/J1587Decoder.h"
#include "core/params/J1939Decoder.h"

namespace rovik {

class FaultRecorder;
class LinkReader;
class TireFrameReceiver;

// Checks each framed J1708 message and hands it, or a J1939 message, to whoever reads it:
// the box's own statistics, the tire receivers, or the decoders.
class MessageRouter {
public:
    explicit MessageRouter(LinkReader& link);

    void SetFaultRecorder(FaultRecorder* recorder);
    void SetTireReceiver(TireFrameReceiver* receiver) { tires = receiver; }

    // The buffer holds one message followed by five bytes that are not part of it.
    void CheckFrame(const FrameBuffer& buffer);
    void RouteJ1939(const J1939Frame& frame);

private:
    void ReadBoxStatistics(const J1708Frame& frame);
    void RouteVehicleMessage(const J1708Frame& frame);

    LinkReader& link;
    J1587Decoder j1587;
    J1939Decoder j1939;
    TireFrameReceiver* tires = nullptr;
};

}  // namespace rovik
