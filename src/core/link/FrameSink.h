#pragma once

#include <cstddef>
#include <cstdint>

namespace rovik {

// Where a receive pass hands the bytes it read, in order, to be cut into messages.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Takes the next bytes of the stream; true when they overran the frame buffer.
    virtual bool Consume(const std::uint8_t* bytes, std::size_t count) = 0;
};

}  // namespace rovik
