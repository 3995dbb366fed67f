#pragma once

#include <cstddef>
#include <cstdint>

#include "core/link/FrameBuffer.h"
#include "core/link/FrameSink.h"
#include "core/link/LineDispatcher.h"
#include "core/link/MessageRouter.h"

namespace rovik {

class FaultRecorder;
class LinkReader;
class TireFrameReceiver;

// Cuts the byte stream from the box into messages: binary frames ended by four 0xFF bytes
// from the RS-232 box, text lines from the others. Frames and lines may span reads, so the
// buffer and the 0xFF count live on between passes. Runs on the receive thread.
class PacketFramer : public FrameSink {
public:
    explicit PacketFramer(LinkReader& link);

    bool Consume(const std::uint8_t* bytes, std::size_t count) override;

    void SetFaultRecorder(FaultRecorder* recorder) { router.SetFaultRecorder(recorder); }
    void SetTireReceiver(TireFrameReceiver* receiver) { router.SetTireReceiver(receiver); }
    // A recording may hold stray binary bytes among its text lines; with this on, a byte of
    // 128 or more drops the line collected so far.
    void SetHighByteClearsLine(bool on) { highByteClearsLine = on; }

private:
    // Each returns true when the byte overran the buffer.
    bool TakeBinaryByte(std::uint8_t byte);
    bool TakeTextByte(std::uint8_t byte);

    LinkReader& link;
    FrameBuffer buffer;
    int endMarkRun = 0;
    bool highByteClearsLine = false;
    MessageRouter router;
    LineDispatcher lines;
};

}  // namespace rovik
