#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "core/link/FrameBuffer.h"
#include "core/link/FrameSink.h"
#include "core/link/LineDispatcher.h"
#include "core/link/MessageRouter.h"

namespace rovik {

class BoxState;
class FaultRecorder;
class LinkEvents;
class ValueStore;

// Cuts the byte stream from the box into messages: binary frames ended by four 0xFF bytes
// from the RS-232 box, text lines from the others. Frames and lines may span reads, so the
// buffer and the 0xFF count live on between passes. Runs on the receive thread; the format
// may be switched from the interface thread between passes.
class PacketFramer : public FrameSink {
public:
    PacketFramer(ValueStore& store, BoxState& box, LinkEvents& events);

    bool Consume(const std::uint8_t* bytes, std::size_t count) override;

    void SetFaultRecorder(FaultRecorder* recorder) { router.SetFaultRecorder(recorder); }
    void SetTireMonitor(TireMonitor* monitor) { router.SetTireMonitor(monitor); }
    // Binary frames from the RS-232 box, text lines from the others.
    void SetBinary(bool on) { binary = on; }
    // A recording may hold stray binary bytes among its text lines; with this on, a byte of
    // 128 or more drops the line collected so far.
    void SetHighByteClearsLine(bool on) { highByteClearsLine = on; }

private:
    // Each returns true when the byte overran the buffer.
    bool TakeBinaryByte(std::uint8_t byte);
    bool TakeTextByte(std::uint8_t byte);

    FrameBuffer buffer;
    std::atomic<bool> binary{true};
    int endMarkRun = 0;
    bool highByteClearsLine = false;
    MessageRouter router;
    LineDispatcher lines;
};

}  // namespace rovik
