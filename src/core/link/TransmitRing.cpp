#include "core/link/TransmitRing.h"

namespace rovik {

bool TransmitRing::QueueByte(std::uint8_t byte) {
    std::lock_guard lock(mutex);
    std::uint32_t next = (head + 1) % kSize;
    if (next == tail) {
        return false;
    }
    bytes[head] = byte;
    head = next;
    return true;
}

bool TransmitRing::QueueBytes(std::string_view text) {
    std::lock_guard lock(mutex);
    if (text.size() > Free()) {
        return false;
    }
    for (char c : text) {
        bytes[head] = static_cast<std::uint8_t>(c);
        head = (head + 1) % kSize;
    }
    return true;
}

std::optional<std::uint8_t> TransmitRing::Peek() const {
    std::lock_guard lock(mutex);
    if (head == tail) {
        return std::nullopt;
    }
    return bytes[tail];
}

void TransmitRing::Advance() {
    std::lock_guard lock(mutex);
    if (head != tail) {
        tail = (tail + 1) % kSize;
    }
}

std::uint32_t TransmitRing::Waiting() const {
    std::lock_guard lock(mutex);
    return (head + kSize - tail) % kSize;
}

}  // namespace rovik
