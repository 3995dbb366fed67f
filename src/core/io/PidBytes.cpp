#include "core/io/PidBytes.h"

#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

bool PidBytes::Read(ByteReader& reader, std::uint16_t& pid) {
    std::uint8_t first = 0;
    if (!reader.ReadU8(first)) {
        return false;
    }
    if (first != kPageTwoEscape) {
        pid = first;
        return true;
    }
    std::uint8_t second = 0;
    if (!reader.ReadU8(second)) {
        return false;
    }
    pid = static_cast<std::uint16_t>(256 + second);
    return true;
}

void PidBytes::Write(ByteWriter& writer, std::uint16_t pid) {
    // PID 255 would read back as the escape; it is written as page two so the rest of the
    // file stays readable.
    if (pid < kPageTwoEscape) {
        writer.WriteU8(static_cast<std::uint8_t>(pid));
        return;
    }
    writer.WriteU8(kPageTwoEscape);
    writer.WriteU8(static_cast<std::uint8_t>(pid));
}

}  // namespace rovik
