#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string_view>

namespace rovik {

// Bytes waiting to go to the box, oldest first. Both the interface thread and the receive
// thread queue into it and the transmit thread takes from it, so every call takes the lock.
class TransmitRing {
public:
    static constexpr std::uint32_t kSize = 200;

    // Adds a byte at the head; false (and the byte is dropped) when the ring is full, which
    // is at kSize - 1 waiting bytes.
    bool QueueByte(std::uint8_t byte);
    // Adds the bytes together, so a command from one thread is never cut or mixed with
    // another's; false (and none are added) when they do not all fit.
    bool QueueBytes(std::string_view bytes);
    // The oldest waiting byte, if any, without taking it.
    std::optional<std::uint8_t> Peek() const;
    // Takes the oldest byte after it has been sent.
    void Advance();
    std::uint32_t Waiting() const;

private:
    std::uint32_t Free() const { return kSize - 1 - (head + kSize - tail) % kSize; }

    mutable std::mutex mutex;
    std::array<std::uint8_t, kSize> bytes{};
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
};

}  // namespace rovik
