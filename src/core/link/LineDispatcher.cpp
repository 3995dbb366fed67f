#include "core/link/LineDispatcher.h"

#include <string>

#include "core/link/BoxState.h"
#include "core/link/LinkEvents.h"
#include "core/link/MessageRouter.h"

namespace rovik {

namespace {
// Lines shorter than the last position their handler reads are not reports.
constexpr std::size_t kJ1708StatisticsLength = 29;
constexpr std::size_t kJ1939StatisticsLength = 13;
constexpr std::size_t kRegisterLength = 20;
constexpr std::size_t kJ1939HeaderLength = 9;
constexpr std::size_t kLongestJ1939Line = 25;

// The box writes uppercase hexadecimal; other characters go through the same arithmetic.
std::uint8_t Nibble(std::uint8_t c) {
    return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 55);
}

// Two characters as one byte; a digit past the end of the line counts as 0.
std::uint8_t HexByte(const FrameBuffer& line, std::size_t at) {
    const std::uint8_t high = Nibble(line[at]);
    const std::uint8_t low = at + 1 < line.Length() ? Nibble(line[at + 1]) : 0;
    return static_cast<std::uint8_t>(high * 16 + low);
}

std::uint16_t HighFirst(const FrameBuffer& line, std::size_t at) {
    return static_cast<std::uint16_t>(HexByte(line, at) << 8 | HexByte(line, at + 2));
}

std::uint16_t LowFirst(const FrameBuffer& line, std::size_t at) {
    return static_cast<std::uint16_t>(HexByte(line, at) | HexByte(line, at + 2) << 8);
}

bool StartsWith(const FrameBuffer& line, const char* text) {
    for (std::size_t i = 0; text[i] != '\0'; ++i) {
        if (i >= line.Length() || line[i] != static_cast<std::uint8_t>(text[i])) {
            return false;
        }
    }
    return true;
}
}  // namespace

void LineDispatcher::Dispatch(FrameBuffer& line) {
    if (StartsWith(line, "JS")) {
        ReadJ1708Statistics(line);
    } else if (StartsWith(line, "J")) {
        ReadJ1708Message(line);
    } else if (StartsWith(line, "R")) {
        ReadJ1939Message(line);
    } else if (StartsWith(line, "V")) {
        ReadVersion(line);
    } else if (StartsWith(line, "I")) {
        ReadJ1939Statistics(line);
    } else if (StartsWith(line, "!R")) {
        ReadRegister(line);
    }
}

void LineDispatcher::ReadJ1708Statistics(const FrameBuffer& line) {
    if (line.Length() < kJ1708StatisticsLength) {
        return;
    }
    BoxStatistics& statistics = box.Statistics();
    const std::uint32_t previousGood = statistics.j1708GoodPackets;
    const std::uint32_t previousErrors = statistics.j1708Errors;
    statistics.bitGap = HexByte(line, 7);
    statistics.j1708BytesRead = HighFirst(line, 10);
    statistics.j1708BytesDiscarded = HighFirst(line, 15);
    statistics.j1708GoodPackets = HighFirst(line, 20);
    statistics.j1708Errors = HighFirst(line, 25);
    UpdateSuppression(previousGood, previousErrors);
}

// A J1708 link with many errors for its good packets is probably a J1939 link seen through
// the wrong wires, so its messages are dropped while J1939 traffic flows.
void LineDispatcher::UpdateSuppression(std::uint32_t previousGood, std::uint32_t previousErrors) {
    const BoxStatistics& statistics = box.Statistics();
    const std::uint32_t good = statistics.j1708GoodPackets;
    const std::uint32_t errors = statistics.j1708Errors;
    if (good <= previousGood) {
        return;
    }
    const std::uint32_t ratio =
        errors == previousErrors ? 999 : (good - previousGood) / (errors - previousErrors);
    if (ratio > 10) {
        box.SetJ1708Suppressed(false);
    } else if (ratio < 5 && statistics.j1939PacketsReceived > 3) {
        box.SetJ1708Suppressed(true);
    }
}

void LineDispatcher::ReadJ1708Message(FrameBuffer& line) {
    if (box.IsJ1708Suppressed()) {
        return;
    }
    // Each byte is written at or before the characters it came from, so the line can be
    // turned into bytes where it lies.
    std::size_t count = 0;
    for (std::size_t at = 1; at < line.Length(); at += 2) {
        line.Data()[count++] = HexByte(line, at);
    }
    line.SetLength(count + FrameBuffer::kTrailingBytes);
    router.CheckFrame(line);
}

void LineDispatcher::ReadJ1939Message(const FrameBuffer& line) {
    if (line.Length() > kLongestJ1939Line || line.Length() < kJ1939HeaderLength) {
        return;
    }
    J1939Frame frame;
    frame.sourceAddress = HexByte(line, 1);
    frame.pgn = HexByte(line, 3) << 16 | HexByte(line, 5) << 8 | HexByte(line, 7);
    std::size_t k = 0;
    for (std::size_t at = kJ1939HeaderLength; at < line.Length(); at += 2) {
        frame.data[k++] = HexByte(line, at);
    }
    router.RouteJ1939(frame);
}

void LineDispatcher::ReadVersion(const FrameBuffer& line) {
    box.SetVersion(std::string(line.Data(), line.Data() + line.Length()));
}

void LineDispatcher::ReadJ1939Statistics(const FrameBuffer& line) {
    if (line.Length() < kJ1939StatisticsLength) {
        return;
    }
    BoxStatistics& statistics = box.Statistics();
    statistics.j1939PacketsReceived = LowFirst(line, 1);
    statistics.j1939PacketsMissed = LowFirst(line, 5);
    statistics.usbOverflows = LowFirst(line, 9);
    events.NoteBoxReport(false);
}

void LineDispatcher::ReadRegister(const FrameBuffer& line) {
    if (line.Length() < kRegisterLength || line[9] != 'F') {
        return;
    }
    box.Registers().Set(HighFirst(line, 14), HexByte(line, 18));
}

}  // namespace rovik
