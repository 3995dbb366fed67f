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
    // Whether the PID reads back as itself: 0..511 except 255, which reads as the escape.
    static bool IsStorable(unsigned pid) { return pid <= kLast && pid != kPageTwoEscape; }

private:
    static constexpr unsigned kLast = 511;
    // In a PID field this byte says that a page-two PID follows.
    static constexpr std::uint8_t kPageTwoEscape = 0xFF;
};

}  // namespace rovik
