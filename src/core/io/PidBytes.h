#pragma once

#include <cstdint>

namespace rovik {

class ByteReader;
class ByteWriter;

// A PID as the data files store it: 0..254 in one byte; a page-two PID (256..511) as the
// byte 0xFF followed by the PID minus 256.
class PidBytes {
public:
    // False, with pid untouched, when the file ends inside the PID.
    static bool Read(ByteReader& reader, std::uint16_t& pid);
    static void Write(ByteWriter& writer, std::uint16_t pid);
};

}  // namespace rovik
