#pragma once

#include <cstdint>

namespace rovik {

class ByteReader;
class ByteWriter;

// A PID number in one or two bytes: 0..254 as itself, 256..511 as 0xFF then pid - 256.
struct PidByte {
    // The pid is left untouched unless both of its bytes were there.
    static bool Read(ByteReader& reader, std::uint16_t& pid);
    // 255 has no form of its own (it is the escape): it is written as 0xFF 0xFF and reads back
    // as 511, as the parameter file does, so a gauge and its parameter still match.
    static void Write(ByteWriter& writer, std::uint16_t pid);
};

}  // namespace rovik
