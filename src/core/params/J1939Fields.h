#pragma once

#include <cstdint>
#include <span>

namespace rovik {

// The J1939 fields that are stored as they stand under the J1587 PID of the same quantity,
// converted to J1587 units: value = raw * scale + offset.
class J1939Fields {
public:
    struct Field {
        std::uint32_t pgn;
        std::uint8_t byte;   // the first data byte
        std::uint8_t shift;  // for a field of a few bits: where it starts in its byte
        std::uint8_t bits;   // 8, 16 or 32 for whole bytes (low byte first), else a bit field
        unsigned pid;
        double scale;
        double offset;
    };

    // The fields of one parameter group, in the order they are stored; none for a group
    // that is not read this way.
    static std::span<const Field> Of(std::uint32_t pgn);
};

}  // namespace rovik
