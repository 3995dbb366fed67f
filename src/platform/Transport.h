#pragma once

#include <cstddef>
#include <cstdint>

namespace rovik {

// What one read from a transport gave: bytes (possibly none) or a failure of the transport.
struct ReadResult {
    std::size_t count = 0;
    bool failed = false;
};

// A byte pipe to the box. Used by one reader thread and one writer thread at a time; the
// owner keeps Close apart from both.
class Transport {
public:
    virtual ~Transport() = default;
    // Returns what is waiting, waiting a few milliseconds at most when nothing is.
    virtual ReadResult Read(std::uint8_t* buffer, std::size_t capacity) = 0;
    // Writes one byte without blocking; returns how many were written (0 or 1).
    virtual int WriteByte(std::uint8_t byte) = 0;
    // Writes the bytes whole, waiting a moment for room when the device is busy; false when
    // they could not all go.
    virtual bool WriteAll(const std::uint8_t* bytes, std::size_t count) = 0;
};

}  // namespace rovik
