#include "core/link/MessageRouter.h"

#include "core/link/LinkReader.h"
#include "core/tires/TireFrameReceiver.h"

namespace rovik {

namespace {
// The shortest message is a MID and its checksum.
constexpr std::size_t kShortestMessage = 2;
constexpr std::uint8_t kBoxStatisticsMid = 196;
constexpr std::size_t kBoxStatisticsLength = 11;
constexpr std::uint8_t kFirstTireMid = 166;
constexpr std::uint8_t kLastTireMid = 169;
constexpr std::uint8_t kPageEscape = 255;

std::uint32_t LittleEndian32(const J1708Frame& frame, std::size_t first) {
    return frame[first] | frame[first + 1] << 8 | frame[first + 2] << 16 |
           static_cast<std::uint32_t>(frame[first + 3]) << 24;
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

MessageRouter::MessageRouter(LinkReader& owner)
    : link(owner), j1587(owner.Store()), j1939(owner.Store()) {}

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
    link.NoteTraffic();
    const std::uint8_t mid = frame.Mid();
    if (mid == kBoxStatisticsMid) {
        ReadBoxStatistics(frame);
    } else if (mid >= kFirstTireMid && mid <= kLastTireMid) {
        if (tires) {
            tires->ReceiveTireFrame(frame);
        }
    } else if (SlotForMid(mid) >= 0) {
        RouteVehicleMessage(frame);
    }
}

void MessageRouter::ReadBoxStatistics(const J1708Frame& frame) {
    // Too short to hold the counts: not a report this program understands.
    if (frame.length < kBoxStatisticsLength) {
        return;
    }
    BoxStatistics& statistics = link.Statistics();
    statistics.j1708GoodPackets = LittleEndian32(frame, 1);
    statistics.j1708Errors = LittleEndian32(frame, 5);
    if (frame[9] != 0) {
        link.SetStatus(LinkStatus::EngineSideFailure);
    }
    link.NoteBoxReport();
}

void MessageRouter::RouteVehicleMessage(const J1708Frame& frame) {
    link.NoteVehicleMessage();
    const bool pageTwo = frame[1] == kPageEscape;
    j1587.DecodeJ1587(frame, pageTwo ? kPageTwoSlot : SlotForMid(frame.Mid()));
}

void MessageRouter::RouteJ1939(const J1939Frame& frame) {
    link.NoteVehicleMessage();
    j1939.DecodeJ1939(frame);
}

}  // namespace rovik
