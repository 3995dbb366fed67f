#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rovik {

// The one buffer the framing builds a frame or a line in, byte by byte.
class FrameBuffer {
public:
    // A checked binary frame holds the message, then four 0xFF bytes and the first byte of
    // the next message.
    static constexpr std::size_t kTrailingBytes = 5;
    static constexpr std::size_t kCapacity = 256;

    // The caller empties a full buffer before appending again.
    void Append(std::uint8_t byte) { bytes[length++] = byte; }
    bool Full() const { return length == kCapacity; }
    void Clear() { length = 0; }
    void Restart(std::uint8_t first) {
        bytes[0] = first;
        length = 1;
    }
    void SetLength(std::size_t newLength) { length = newLength; }

    bool Empty() const { return length == 0; }
    std::size_t Length() const { return length; }
    std::uint8_t* Data() { return bytes.data(); }
    const std::uint8_t* Data() const { return bytes.data(); }
    std::uint8_t operator[](std::size_t index) const { return bytes[index]; }

private:
    std::array<std::uint8_t, kCapacity> bytes{};
    std::size_t length = 0;
};

}  // namespace rovik
