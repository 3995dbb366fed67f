#include "core/link/MessageRouter.h"

#include <chrono>

#include "core/link/BoxState.h"
#include "core/link/LinkEvents.h"
#include "core/tires/TireMonitor.h"
#include "core/values/Pids.h"
#include "core/values/PreferredSourceTable.h"

namespace rovik {

namespace {
// The shortest message is a MID and its checksum.
constexpr std::size_t kShortestMessage = 2;
constexpr std::uint8_t kBoxStatisticsMid = 196;
constexpr std::size_t kBoxStatisticsLength = 11;

std::uint32_t LittleEndian32(const J1708Frame& frame, std::size_t first) {
    return frame[first] | frame[first + 1] << 8 | frame[first + 2] << 16 |
           static_cast<std::uint32_t>(frame[first + 3]) << 24;
}

// The millisecond tick the tire monitor times its codes by.
std::uint32_t MillisecondTick() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int SlotForMid(std::uint8_t mid) {
    switch (mid) {
        case 128:
            return kEngineSlot;
        case 130:
            return kTransmissionSlot;
        case 136:
            return kBrakesSlot;
        default:
            return -1;
    }
}
}  // namespace

MessageRouter::MessageRouter(ValueStore& store, BoxState& boxState, LinkEvents& linkEvents)
    : box(boxState), events(linkEvents), j1587(store), j1939(store) {}

void MessageRouter::SetFaultRecorder(FaultRecorder* recorder) {
    j1587.SetFaultRecorder(recorder);
    j1939.SetFaultRecorder(recorder);
}

void MessageRouter::CheckFrame(const FrameBuffer& buffer) {
    if (buffer.Length() < kShortestMessage + FrameBuffer::kTrailingBytes) {
        return;
    }
    const J1708Frame frame{buffer.Data(), buffer.Length() - FrameBuffer::kTrailingBytes};
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < frame.length; ++i) {
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    }
    if (sum != 0) {
        return;
    }
    events.NoteTraffic();
    const std::uint8_t mid = frame.Mid();
    if (mid == kBoxStatisticsMid) {
        ReadBoxStatistics(frame);
    } else if (SlotForMid(mid) >= 0) {
        RouteVehicleMessage(frame);
    } else if (TireMonitor::IsTireMid(mid) && tires) {
        tires->Decode(frame, MillisecondTick());
    }
}

void MessageRouter::ReadBoxStatistics(const J1708Frame& frame) {
    // Too short to hold the counts: not a report this program understands.
    if (frame.length < kBoxStatisticsLength) {
        return;
    }
    BoxStatistics& statistics = box.Statistics();
    statistics.j1708GoodPackets = LittleEndian32(frame, 1);
    statistics.j1708Errors = LittleEndian32(frame, 5);
    events.NoteBoxReport(frame[9] != 0);
}

void MessageRouter::RouteVehicleMessage(const J1708Frame& frame) {
    events.NoteVehicleMessage();
    const bool pageTwo = frame[1] == pid::kPageEscape;
    j1587.DecodeJ1587(frame, pageTwo ? kPageTwoSlot : SlotForMid(frame.Mid()));
}

void MessageRouter::RouteJ1939(const J1939Frame& frame) {
    events.NoteVehicleMessage();
    j1939.DecodeJ1939(frame);
}

}  // namespace rovik
