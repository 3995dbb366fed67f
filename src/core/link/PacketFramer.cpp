#include "core/link/PacketFramer.h"

namespace rovik {

namespace {
constexpr std::uint8_t kEndMark = 0xFF;
// The box ends each binary message with four 0xFF bytes; a message holds at most three.
constexpr int kEndMarkLength = 4;
constexpr std::uint8_t kLineFeed = 10;
constexpr std::uint8_t kLastControl = 31;
constexpr std::uint8_t kFirstHighByte = 128;
}  // namespace

PacketFramer::PacketFramer(ValueStore& store, BoxState& box, LinkEvents& events)
    : router(store, box, events), lines(box, events, router) {}

bool PacketFramer::Consume(const std::uint8_t* bytes, std::size_t count) {
    const bool binaryFrames = binary;
    bool overrun = false;
    for (std::size_t i = 0; i < count; ++i) {
        overrun |= binaryFrames ? TakeBinaryByte(bytes[i]) : TakeTextByte(bytes[i]);
    }
    return overrun;
}

bool PacketFramer::TakeBinaryByte(std::uint8_t byte) {
    if (buffer.Empty() && byte == kEndMark) {
        return false;
    }
    buffer.Append(byte);
    if (byte == kEndMark) {
        ++endMarkRun;
    } else {
        if (endMarkRun >= kEndMarkLength) {
            router.CheckFrame(buffer);
            buffer.Restart(byte);
        }
        endMarkRun = 0;
    }
    if (buffer.Full()) {
        buffer.Clear();
        endMarkRun = 0;
        return true;
    }
    return false;
}

bool PacketFramer::TakeTextByte(std::uint8_t byte) {
    if (byte == kLineFeed) {
        lines.Dispatch(buffer);
        buffer.Clear();
        return false;
    }
    if (highByteClearsLine && byte >= kFirstHighByte) {
        buffer.Clear();
        return false;
    }
    if (byte > kLastControl) {
        buffer.Append(byte);
    }
    if (buffer.Full()) {
        buffer.Clear();
        return true;
    }
    return false;
}

}  // namespace rovik
